// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

class QLocale;

// Installs the translations for `locale` in the application: Qt's own, for its standard buttons
// and dialogs, and the program's, compiled in. The program is written in English: an English
// or C locale installs none, so every text shows as written. Both zindle and zindle-check call
// it, so it lives in a layer that both stand on.
void installTranslations(const QLocale &locale);

#endif // TRANSLATIONS_H
