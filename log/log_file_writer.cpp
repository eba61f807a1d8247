#include "log/log_file_writer.h"

#include <QDir>
#include <QSaveFile>

QString WriteLogFile(const QString& path, int count,
                     const std::function<LogLineFormat::Fields(int index)>& row) {
    const auto problem = [&](const QString& reason) {
        return QStringLiteral("The rows could not be saved to %1: %2.")
            .arg(QDir::toNativeSeparators(path), reason);
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return problem(file.errorString());
    const QChar separator = LogLineFormat::SaveSeparator(path);
    QByteArray batch;
    for (int i = 0; i < count; ++i) {
        LogLineFormat::AppendLine(batch, row(i), separator);
        if (batch.size() >= (1 << 20) || i == count - 1) {
            if (file.write(batch) != batch.size())
                return problem(file.errorString());
            batch.clear();
        }
    }
    if (!file.commit())
        return problem(file.errorString());
    return {};
}
