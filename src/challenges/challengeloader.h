// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHALLENGELOADER_H
#define CHALLENGELOADER_H

#include "challenges/challenge.h"

#include <QXmlStreamReader>

// Reads a challenge file into the challenge list. It is forgiving: whatever it does not know is
// skipped, whatever is missing takes its default, and a broken document keeps what was read up
// to the fault. Set an open device, then call read() once.
class ChallengeLoader : public QXmlStreamReader
{
public:
    ChallengeLoader() = default;
    explicit ChallengeLoader(QIODevice *device);
    virtual ~ChallengeLoader();

    // Replaces the challenge list with the challenges of the document.
    void read();
    // Expects the reader on the start of a "challenge" element and leaves it on its end (or on
    // the fault that ended the document).
    Challenge readChallenge();

private:
    Q_DISABLE_COPY_MOVE(ChallengeLoader)
    void readTest(Challenge &challenge);
    void readPar(Challenge &challenge);
    bool readText(QString &field);
    bool readInteger(int &field);
};

#endif // CHALLENGELOADER_H
