document.getElementById("clock").textContent = new Date().toLocaleTimeString();
