// The rows of a batch as a table for a view: each record's line, value, type, copies, text
// and status. A window of rows is held at a time, read afresh from the input as the view
// scrolls to rows outside it, so a table of a million rows costs a window's memory.
#pragma once

#include "batch_records.h"
#include "batch_row_status.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <optional>
#include <vector>

namespace quillmark::studio {

class TBatchRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { LineColumn, ValueColumn, TypeColumn, CopiesColumn, TextColumn, StatusColumn };
    static constexpr int ColumnCount = StatusColumn + 1;
    // The rows held at once.
    static constexpr std::size_t WindowRows = 256;

    using QAbstractTableModel::QAbstractTableModel;

    // Reads Input through once to count its records, each row's status from Job. Returns the
    // input's fault (a file, a column, a row that can't be read), empty when it reads; the
    // rows up to a faulty one are still shown.
    QString SetInput(const TBatchInput& Input, const TOutputJob& Job);
    // The statuses again, for a changed job (its type, its check mode, its output format).
    void SetJob(const TOutputJob& Job);

    std::uint64_t Refused() const noexcept { return FRefused; }

    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation,
                        int Role = Qt::DisplayRole) const override;

private:
    struct TRow {
        TLabelRecord Record;
        TRowStatus Status;
    };
    QString Count();
    const TRow& Row(std::size_t Index) const;

    std::optional<TBatchInput> FInput;
    TOutputJob FJob;
    std::size_t FRows = 0;
    std::uint64_t FRefused = 0;
    mutable std::vector<TRow> FWindow;
    mutable std::size_t FWindowStart = 0;
};

} // namespace quillmark::studio
