#include "batch_rows_model.h"
#include "batch_text.h"

#include <QBrush>
#include <QColor>

#include <array>

namespace quillmark::studio {

namespace {

constexpr std::array<const char*, TBatchRowsModel::ColumnCount> ColumnTitles = {
    "Line", "Value", "Type", "Copies", "Text", "Status"};

} // namespace

QString TBatchRowsModel::SetInput(const TBatchInput& Input, const TOutputJob& Job) {
    beginResetModel();
    FInput = Input;
    FJob = Job;
    const QString fault = Count();
    endResetModel();
    return fault;
}

void TBatchRowsModel::SetJob(const TOutputJob& Job) {
    beginResetModel();
    FJob = Job;
    if (FInput)
        Count();
    endResetModel();
}

QString TBatchRowsModel::Count() {
    FRows = 0;
    FRefused = 0;
    FWindow.clear();
    FWindowStart = 0;
    try {
        TBatchRecords records(*FInput, SequenceCheckDigits(FJob));
        while (std::optional<TLabelRecord> record = records.Next()) {
            TRowStatus status = RowStatus(FJob, *record);
            TRow row{std::move(*record), std::move(status)};
            FRefused += row.Status.Draws ? 0 : 1;
            if (FRows < WindowRows)
                FWindow.push_back(std::move(row));
            ++FRows;
        }
    } catch (const Exception& e) {
        return FromLatin1(e.Message());
    }
    return {};
}

const TBatchRowsModel::TRow& TBatchRowsModel::Row(std::size_t Index) const {
    if (Index < FWindowStart || Index >= FWindowStart + FWindow.size()) {
        // Half a window before the row asked for, for a view scrolling up as well as down.
        const std::size_t start = Index > WindowRows / 2 ? Index - WindowRows / 2 : 0;
        FWindow.clear();
        FWindowStart = start;
        TBatchRecords records(*FInput, SequenceCheckDigits(FJob));
        for (std::size_t i = 0; i < start && records.Next(); ++i) {
        }
        while (FWindow.size() < WindowRows)
            if (std::optional<TLabelRecord> record = records.Next())
                FWindow.push_back({*record, RowStatus(FJob, *record)});
            else
                break;
    }
    return FWindow.at(Index - FWindowStart);
}

int TBatchRowsModel::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : static_cast<int>(FRows);
}

int TBatchRowsModel::columnCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : ColumnCount;
}

QVariant TBatchRowsModel::data(const QModelIndex& Index, int Role) const {
    if (!Index.isValid() || (Role != Qt::DisplayRole && Role != Qt::ForegroundRole))
        return {};
    const TRow* row = nullptr;
    try {
        row = &Row(static_cast<std::size_t>(Index.row()));
    } catch (const Exception& e) {
        // The file changed since it was counted: the row says so rather than nothing.
        return Index.column() == StatusColumn ? FromLatin1(e.Message()) : QVariant();
    }
    if (Role == Qt::ForegroundRole)
        return row->Status.Draws ? QVariant() : QVariant(QBrush(QColor(Qt::darkRed)));
    const TLabelRecord& record = row->Record;
    switch (Index.column()) {
    case LineColumn:
        return QVariant::fromValue(record.Line);
    case ValueColumn:
        return FromUtf8(record.Value);
    case TypeColumn:
        return FromLatin1(BarTypeName(record.Type.value_or(FJob.Description.Barcode.BarType)));
    case CopiesColumn:
        return QVariant::fromValue(record.Copies);
    case TextColumn: {
        QStringList lines;
        for (const std::string& line : record.Text)
            lines << FromUtf8(line);
        return lines.join(QStringLiteral(" / "));
    }
    default:
        return (row->Status.Draws ? QStringLiteral("Will draw") : QStringLiteral("Refused: ")) +
               (row->Status.Draws && !row->Status.Why.empty() ? QStringLiteral("; ") : QString()) +
               FromLatin1(row->Status.Why);
    }
}

QVariant TBatchRowsModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Role != Qt::DisplayRole || Orientation != Qt::Horizontal || Section < 0 ||
        Section >= ColumnCount)
        return {};
    return QString::fromLatin1(ColumnTitles[static_cast<std::size_t>(Section)]);
}

} // namespace quillmark::studio
