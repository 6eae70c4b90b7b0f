// What the studio's tests start from and compare: a job as the studio starts one for a type,
// and a written file's bytes.
#pragma once

#include <quillmark/output_job.h>
#include <type_description.h>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quillmark::studio {

// A job as the studio starts one for Type, before the person changes anything.
inline TOutputJob JobFor(TBarType Type, TFileFormat Format = TFileFormat::Png) {
    TOutputJob job;
    job.Description = DescriptionForType({TBarcodeDescription{}, false}, Type);
    job.Format = Format;
    return job;
}

// The bytes of the file at Path; none where it can't be read.
inline QByteArray Contents(const QString& Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace quillmark::studio
