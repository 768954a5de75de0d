#pragma once

class QMenuBar;

// Adds the menu "Lingua / Language" to `menuBar`, named in both languages so that either reader
// finds it: "Italiano" and "English", the language in use checked. Choosing one shows every
// window in that language at once and remembers it for the next start.
void AddLanguageMenu(QMenuBar& menuBar);
