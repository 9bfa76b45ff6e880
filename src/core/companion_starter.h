#pragma once

// The companion program "VMRRobotMain.exe" in the program folder's "robot" folder. When it is not
// running (three looks, 250 ms apart), the shop login is written into its "kvtpr.cfg" (section
// "login", keys "id0" and "pw0") and the program is started with "robot" as working folder.
// True when it was found running or has been started; false when the login could not be written
// (the error goes to the settings component's error log, and nothing is started).
bool VMR_로봇_죽었으면_살리기();
