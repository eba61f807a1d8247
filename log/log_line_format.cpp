#include "log/log_line_format.h"

namespace LogLineFormat {

QChar SaveSeparator(const QString& fileName) {
    return fileName.right(3).compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
               ? QLatin1Char(',')
               : QLatin1Char('\t');
}

QChar OpenSeparator(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && fileName.mid(dot).compare(QLatin1String(".csv"), Qt::CaseInsensitive) == 0
               ? QLatin1Char(',')
               : QLatin1Char('\t');
}

void AppendLine(QByteArray& out, const Fields& fields, QChar separator) {
    const char sep = separator.toLatin1();
    for (const QString& field : fields) {
        out += field.toLocal8Bit();
        out += sep;
    }
    out += "\r\n";
}

QByteArray Line(const Fields& fields, QChar separator) {
    QByteArray out;
    AppendLine(out, fields, separator);
    return out;
}

} // namespace LogLineFormat
