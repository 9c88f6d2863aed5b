// Vantile's status widget: battery, signal and weather from the data snapshots the tweak
// pushes as globals before each mainUpdate call. Any of them may never come.
function text(id, value) {
  document.getElementById(id).textContent = value;
}

function showBattery() {
  var percent = parseInt(batteryPercent, 10);
  if (isNaN(percent)) return;
  var level = document.getElementById('batteryLevel');
  level.style.width = Math.max(0, Math.min(100, percent)) + '%';
  level.className = batteryCharging ? 'charging' : '';
  text('batteryText', 'Battery ' + percent + '%' + (batteryCharging ? ', charging' : ''));
}

function showSignal() {
  var bars = parseInt(signalBars, 10) || 0;
  var marks = document.querySelectorAll('#bars i');
  for (var i = 0; i < marks.length; i++) marks[i].className = i < bars ? 'on' : '';
  var wifi = parseInt(wifiBars, 10) > 0 && wifiName !== '(null)' && wifiName !== '' ? ' · Wi-Fi ' + wifiName : '';
  text('signalText', (signalName && signalName !== '(null)' ? signalName : 'No carrier') + wifi);
}

function showWeather() {
  if (typeof weather !== 'object' || weather === null || weather.temperature === undefined) return;
  var place = weather.city ? weather.city + ': ' : '';
  var condition = weather.condition ? ', ' + weather.condition : '';
  text('weatherText', place + weather.temperature + '°' + (weather.temptype || '') + condition);
}

function mainUpdate(kind) {
  try {
    if (kind === 'battery') showBattery();
    if (kind === 'statusbar') showSignal();
    if (kind === 'weather') showWeather();
  } catch (error) {
    // A snapshot that is missing a value leaves the row as it was.
  }
}
