// Vantile's status widget: battery, signal and weather from the data snapshots the tweak
// pushes as globals before each mainUpdate call. Any of them may never come.
function text(id, value) {
  document.getElementById(id).textContent = value;
}

function known(value) {
  return typeof value === 'string' && value !== '' && value !== '(null)';
}

function showBattery() {
  var percent = parseInt(batteryPercent, 10);
  if (isNaN(percent)) return;
  var level = document.getElementById('batteryLevel');
  level.style.width = Math.max(0, Math.min(100, percent)) + '%';
  level.className = batteryCharging ? 'charging' : '';
  text('batteryText', percent + '%' + (batteryCharging ? ' +' : ''));
}

function showSignal() {
  var bars = parseInt(signalBars, 10) || 0;
  var marks = document.querySelectorAll('#bars i');
  for (var i = 0; i < marks.length; i++) marks[i].className = i < bars ? 'on' : '';
  text('signalText', known(signalName) ? signalName : '–');
  text('wifiText', parseInt(wifiBars, 10) > 0 && known(wifiName) ? wifiName : '');
}

function showWeather() {
  if (typeof weather !== 'object' || weather === null || !known(weather.temperature)) return;
  text('temperature', weather.temperature + '°');
  var words = [weather.city, weather.condition].filter(known);
  text('weatherText', words.join(' · '));
}

function mainUpdate(kind) {
  try {
    if (kind === 'battery') showBattery();
    if (kind === 'statusbar') showSignal();
    if (kind === 'weather') showWeather();
  } catch (error) {
    // A snapshot without a value leaves its part as it was.
  }
}
