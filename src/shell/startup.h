#pragma once

// The program's start: reads the command line, refuses a second copy, sets the screen scale, the
// settings file, the folders and the version, writes the start-up entries of the main log,
// upgrades the local schema, reads the caller-ID settings, prunes old logs and shows the login
// window (modeless). Returns with the login window as the only window.
void Main();
