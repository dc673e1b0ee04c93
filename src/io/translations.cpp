// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <utility>

using namespace Qt::StringLiterals;

void installTranslations(const QLocale &locale)
{
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    const std::pair<QString, QString> catalogues[] = {
        {u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {u"zindle"_s, u":/i18n"_s},
    };
    for (const auto &[name, folder] : catalogues) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, u"_"_s, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
