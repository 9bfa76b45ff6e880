#pragma once

// Loads Qt's own Korean translation, so that the standard buttons of message boxes, questions and
// file dialogs read 확인, 취소, 예 and 아니요. False when the translation is not installed; the
// buttons then keep Qt's English texts.
bool LoadQtKoreanTranslation();

// Makes Korean the language of dates that Qt's own widgets write: the month and day names of the
// date pickers' pop-up calendars and the dates of the file dialog.
void UseKoreanLocale();
