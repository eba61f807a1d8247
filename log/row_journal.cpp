#include "log/row_journal.h"

#include "base/log_categories.h"
#include "log/journal_contents.h"
#include "platform/file_sync.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace {
const QString NamePattern = QStringLiteral("journal-%1.tsv");
// Rows written at once when a generation begins with rows.
constexpr qsizetype BatchBytes = 1 << 20;

// The journal files in the folder by their generation number.
std::map<qint64, QString> Generations(const QString& folder) {
    static const QRegularExpression name(QStringLiteral("^journal-(\\d{1,15})\\.tsv$"));
    std::map<qint64, QString> files;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList({QStringLiteral("journal-*.tsv")}, QDir::Files)) {
        const QRegularExpressionMatch m = name.match(entry);
        if (m.hasMatch())
            files.emplace(m.captured(1).toLongLong(), dir.filePath(entry));
    }
    return files;
}
} // namespace

RowJournal::RowJournal(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {
    syncPool_.setMaxThreadCount(1);
    syncTimer_.setSingleShot(true);
    syncTimer_.setInterval(SyncDelayMs);
    connect(&syncTimer_, &QTimer::timeout, this, &RowJournal::SyncInBackground);
}

RowJournal::~RowJournal() {
    Close();
}

QStringList RowJournal::Files() const {
    QStringList files;
    for (const auto& [number, path] : Generations(folder_))
        files.append(path);
    return files;
}

QString RowJournal::NextPath() const {
    const auto files = Generations(folder_);
    const qint64 next = files.empty() ? 1 : files.rbegin()->first + 1;
    return QDir(folder_).filePath(NamePattern.arg(next));
}

bool RowJournal::Begin(int count, const RowSource& row) {
    const QString outgoing = path_;
    const bool outgoingUnsaved = HasUnsaved();
    CloseFile();
    if (dirty_)
        SyncInBackground(); // the outgoing file's last rows
    started_ = true;
    failed_ = false;
    rows_ = std::max(count, 0);
    saved_ = 0;
    path_.clear();

    if (!QDir().mkpath(folder_))
        return Fail(folder_, QStringLiteral("the folder cannot be created"));
    path_ = NextPath();
    file_.setFileName(path_);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Fail(path_, file_.errorString());
    folderDirty_ = true;
    QByteArray batch;
    for (int i = 0; i < count; ++i) {
        LogLineFormat::AppendLine(batch, row(i), QLatin1Char(JournalContents::Separator));
        if (batch.size() >= BatchBytes || i == count - 1) {
            if (!Write(batch))
                return false;
            batch.clear();
        }
    }

    // Only rows never saved are worth a backup; one backup generation is kept.
    if (!outgoing.isEmpty()) {
        if (outgoingUnsaved) {
            if (!backup_.isEmpty())
                QFile::remove(backup_);
            backup_ = outgoing;
        } else {
            QFile::remove(outgoing);
        }
    }
    qCInfo(lcJournal) << "journal" << path_ << "begun with" << count << "rows; backup" << backup_;
    syncTimer_.start();
    return true;
}

bool RowJournal::Append(const LogLineFormat::Fields& fields) {
    if (!started_)
        return false;
    ++rows_; // counted even when the file fails: the table holds the row unsaved
    if (failed_ || !file_.isOpen())
        return false;
    return Write(LogLineFormat::Line(fields, QLatin1Char(JournalContents::Separator)));
}

void RowJournal::NoteSaved(int rows) {
    const int saved = std::clamp(rows, saved_, rows_);
    if (saved == saved_)
        return;
    saved_ = saved;
    if (failed_ || !file_.isOpen())
        return;
    Write(JournalContents::SavedNote + QByteArray::number(saved) + "\r\n");
}

void RowJournal::Discard() {
    CloseFile();
    syncTimer_.stop();
    dirty_ = false;
    if (!path_.isEmpty())
        QFile::remove(path_);
    path_.clear();
    rows_ = saved_ = 0;
}

bool RowJournal::Write(const QByteArray& bytes) {
    // flush hands the bytes to the operating system: a killed program loses nothing.
    if (file_.write(bytes) == bytes.size() && file_.flush()) {
        dirty_ = true;
        if (!syncTimer_.isActive())
            syncTimer_.start();
        return true;
    }
    return Fail(path_, file_.errorString());
}

bool RowJournal::Fail(const QString& path, const QString& reason) {
    failed_ = true;
    CloseFile();
    emit Failed(QStringLiteral("The journal %1 cannot be written: %2. Recording goes on, but "
                               "rows not saved will be lost if the program ends unexpectedly.")
                    .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

void RowJournal::CloseFile() {
    if (file_.isOpen()) {
        file_.flush();
        file_.close();
    }
}

void RowJournal::SyncInBackground() {
    if (!dirty_ && !folderDirty_)
        return;
    // One sync at a time; a slow disk delays the next one instead of queueing more.
    if (syncsQueued_ > 0) {
        syncTimer_.start();
        return;
    }
    ++syncsQueued_;
    const QString path = path_;
    const bool folder = folderDirty_;
    dirty_ = folderDirty_ = false;
    syncPool_.start([this, path, folder] {
        if (!path.isEmpty())
            SyncFileToDisk(path);
        if (folder)
            SyncFolderToDisk(folder_);
        --syncsQueued_;
        ++syncsDone_;
    });
}

bool RowJournal::SyncNow() {
    syncTimer_.stop();
    if (file_.isOpen())
        file_.flush();
    syncPool_.waitForDone();
    bool ok = true;
    if (dirty_ && !path_.isEmpty())
        ok = SyncFileToDisk(path_);
    if (folderDirty_)
        ok = SyncFolderToDisk(folder_) && ok;
    dirty_ = folderDirty_ = false;
    return ok;
}

void RowJournal::Close() {
    SyncNow();
    CloseFile();
}
