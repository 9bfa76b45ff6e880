#pragma once

// Unloads every loaded window, newest first, and lets the deletions happen.
void UnloadAllForms();
