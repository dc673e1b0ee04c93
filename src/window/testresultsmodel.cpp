// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testresultsmodel.h"

#include <QColor>
#include <QFont>
#include <QPoint>

using namespace Qt::StringLiterals;

namespace {

// The written values with the first difference marked in words, so that it is read aloud as
// it is seen; `mark` gets where the words stand.
QString writtenText(const CaseResult &result, QPoint *mark)
{
    const CaseDifference &difference = result.difference;
    QString marked;
    if (difference.kind == CaseDifference::WrongValue)
        marked = TestResultsModel::tr("[wrong: %1]").arg(result.valueText(difference.written));
    else if (difference.kind == CaseDifference::MissingOutput && difference.hasExpected)
        marked = TestResultsModel::tr("[missing: %1]").arg(result.valueText(difference.expected));
    else if (difference.kind == CaseDifference::MissingOutput)
        marked = TestResultsModel::tr("[game unfinished]");
    if (marked.isEmpty())
        return result.writtenShown();

    // Up to the marked value; a value written after it was no longer judged.
    ValueList before;
    const qint64 shownBefore = std::min<qint64>(difference.index, result.written.shown.size());
    before.shown = result.written.shown.mid(0, shownBefore);
    before.more = difference.index - shownBefore;
    QString text = result.listText(before);
    if (before.more > 0)
        text += u' ';
    else if (!text.isEmpty() && result.type != TestType::Alpha)
        text += u',';
    *mark = QPoint(int(text.size()), int(marked.size()));
    text += marked;
    const qint64 after = result.written.count() - difference.index - 1;
    if (difference.kind == CaseDifference::WrongValue && after > 0)
        text += u' ' + TestResultsModel::tr("\u2026 %1 more").arg(after);
    return text;
}

QString verdictText(const CaseResult &result)
{
    switch (result.verdict) {
    case CaseResult::Passed:
        return TestResultsModel::tr("pass");
    case CaseResult::Failed:
        return TestResultsModel::tr("fail: %1").arg(result.text());
    case CaseResult::NotRun:
        break;
    }
    return TestResultsModel::tr("not run");
}

} // namespace

struct TestResultsModel::Private
{
    QString text(const CaseResult &result, int column, QPoint *mark) const;

    QList<CaseResult> cases;
};

QString TestResultsModel::Private::text(const CaseResult &result, int column, QPoint *mark) const
{
    switch (column) {
    case Number:
        return QString::number(result.number);
    case Input:
        return result.inputShown();
    case Expected:
        return result.expectedShown();
    case Written:
        return result.verdict == CaseResult::NotRun ? QString() : writtenText(result, mark);
    case Verdict:
        return verdictText(result);
    case Steps:
        return result.verdict == CaseResult::NotRun ? QString()
                                                     : QString::number(result.steps);
    default:
        break;
    }
    return QString();
}

TestResultsModel::TestResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
    , d(std::make_unique<Private>())
{
}

TestResultsModel::~TestResultsModel() = default;

int TestResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(d->cases.size());
}

int TestResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TestResultsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CaseResult &result = d->cases.at(index.row());
    QPoint mark(-1, 0);
    const QString text = d->text(result, index.column(), &mark);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text;
    case Qt::ToolTipRole:
        return result.differenceText().isEmpty() ? QVariant() : result.differenceText();
    case WrongValueRole:
        return mark.x() >= 0 ? QVariant(mark) : QVariant();
    case Qt::ForegroundRole:
        if (index.column() == Verdict && result.verdict == CaseResult::Failed)
            return QColor(0xb0, 0x00, 0x00);
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Number || index.column() == Steps)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        break;
    }
    return {};
}

QVariant TestResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Number:
        return tr("Case");
    case Input:
        return tr("Input");
    case Expected:
        return tr("Expected");
    case Written:
        return tr("Written");
    case Verdict:
        return tr("Verdict");
    case Steps:
        return tr("Steps");
    default:
        break;
    }
    return {};
}

void TestResultsModel::setCases(const QList<CaseResult> &cases)
{
    beginResetModel();
    d->cases = cases;
    endResetModel();
}

void TestResultsModel::setCase(int row, const CaseResult &result)
{
    if (row < 0 || row >= d->cases.size())
        return;
    d->cases[row] = result;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

const CaseResult &TestResultsModel::caseAt(int row) const
{
    return d->cases.at(row);
}

QString TestResultsModel::tabSeparated(const QList<int> &rows) const
{
    QStringList lines;
    for (int row : rows) {
        if (row < 0 || row >= d->cases.size())
            continue;
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column) {
            QPoint mark;
            // A tab or line break inside a cell would split it.
            cells.append(d->text(d->cases.at(row), column, &mark)
                             .replace(u'\t', u' ')
                             .replace(u'\n', u' '));
        }
        lines.append(cells.join(u'\t'));
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}
