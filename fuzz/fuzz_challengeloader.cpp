// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The challenge loader on arbitrary bytes, then the challenge table over every row, column
// and role it might be asked for, and the test rules over every challenge read.

#include "fuzzsupport.h"

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/challengemodel.h"
#include "challenges/challengetest.h"
#include "interpreter/iohandler.h"

#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    QByteArray document(reinterpret_cast<const char *>(bytes), qsizetype(size));
    QBuffer buffer(&document);
    buffer.open(QIODevice::ReadOnly);
    ChallengeLoader loader(&buffer);
    loader.read();

    // Kept for the whole run and never destroyed, like the application itself.
    static ChallengeModel &model = *new ChallengeModel;
    const int rows = model.rowCount();
    require(rows == challengeList().size(), "a row per challenge");
    require(model.columnCount() == 3, "three columns");
    for (const Challenge &challenge : std::as_const(challengeList())) {
        require(challenge.tapeLength >= 1 && challenge.tapeLength <= 50000, "tape length in range");
        require(challenge.programLength >= 0, "no negative length limit");
        const TestRefusal refusal = testRefusal(challenge, 1);
        const std::unique_ptr<IOHandler> handler = createTestHandler(challenge, nullptr, nullptr);
        require(refusal.isRefused() || handler, "a test that may start has a handler");
    }
    for (int row = -1; row <= rows; ++row) {
        for (int column = -1; column <= 3; ++column) {
            const QModelIndex index = model.index(row, column);
            require(index.isValid() == (row >= 0 && row < rows && column >= 0 && column < 3),
                    "an index exactly for the cells of the table");
            require(!model.parent(index).isValid(), "a flat table");
            // The toolkit's roles, and two of the user's.
            for (int role = 0; role <= Qt::UserRole + 1;
                 role = role == 40 ? Qt::UserRole : role + 1) {
                const QVariant value = model.data(index, role);
                if (role == Qt::DisplayRole && index.isValid() && column == 1)
                    require(value.toString() == challengeList().at(row).name, "the name");
            }
        }
    }
    return 0;
}
