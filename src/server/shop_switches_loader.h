#pragma once

// Reads the shop's POS and feature switches from its member state: gQRCheckYN, gOkPosCheck,
// gEzPosCheck, gGolfCheck and gRobotUse ("Y" exactly is True), and gPosKind from them in the
// priority OK POS, EZ POS, golf. Everything starts at -1 / False, so a shop that is not in the
// administrative list, or whose state does not arrive, keeps nothing of an earlier login.
bool Load_포스종류();
