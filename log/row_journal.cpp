// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/row_journal.h"

#include "base/log_categories.h"
#include "log/journal_contents.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace {
const QString NamePattern = QStringLiteral("journal-%1.tsv");
// Rows written at once when a generation begins with rows.
constexpr qsizetype BatchBytes = 1 << 20;

// What the folder holds under a journal's name, by generation number: with the
// journal's own ending only (journals), or with any (every number taken).
std::map<qint64, QString> Generations(const QString& folder, bool journalsOnly) {
    static const QRegularExpression journal(QStringLiteral("^journal-(\\d{1,15})\\.tsv$"));
    static const QRegularExpression any(QStringLiteral("^journal-(\\d{1,15})\\."));
    std::map<qint64, QString> found;
    const QDir dir(folder);
    // A FIFO, a device or a link to nothing takes a number too.
    for (const QString& entry :
         dir.entryList({QStringLiteral("journal-*")},
                       QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch m = (journalsOnly ? journal : any).match(entry);
        if (m.hasMatch())
            found.emplace(m.captured(1).toLongLong(), dir.filePath(entry));
    }
    return found;
}
} // namespace

RowJournal::RowJournal(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {}

RowJournal::~RowJournal() {
    Close();
}

QStringList RowJournal::Files() const {
    QStringList files;
    for (const auto& [number, path] : Generations(folder_, true))
        files.append(path);
    return files;
}

QString RowJournal::NextPath() const {
    const auto taken = Generations(folder_, false);
    const qint64 next = taken.empty() ? 1 : taken.rbegin()->first + 1;
    return QDir(folder_).filePath(NamePattern.arg(next));
}

QString RowJournal::AsidePath(const QString& path, const QString& suffix) {
    const QFileInfo info(path);
    const QString base = info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + suffix);
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = base + QLatin1Char('.') + QString::number(n);
    return aside;
}

std::unique_ptr<AppendingFile> RowJournal::NewFile(const QString& path) {
    auto file = std::make_unique<AppendingFile>(path, AppendingFile::Mode::NewOwnerOnly);
    file->SetSyncDelay(syncDelay_);
    file->SetRetryDelay(retryDelay_);
    AppendingFile* f = file.get();
    connect(f, &AppendingFile::Stopped, this,
            [this, f](const QString& reason) { FileStopped(f, reason); });
    connect(f, &AppendingFile::Resumed, this, [this, f](qint64 rows) { FileResumed(f, rows); });
    connect(f, &AppendingFile::Synced, this,
            [this, f](qint64 position) { FileSynced(f, position); });
    connect(f, &AppendingFile::SyncFailed, this, [this, f](const QString& reason) {
        emit Failed(tr("The journal \"%1\" could not be synced to the disk: %2. Its "
                       "last rows may be lost if the power fails.")
                        .arg(QDir::toNativeSeparators(f->Path()), reason));
    });
    return file;
}

bool RowJournal::Begin(int count, const RowSource& row, const QStringList& restoredFrom) {
    // Made before the outgoing file may go: the new one never takes its number.
    std::unique_ptr<AppendingFile> outgoing = std::exchange(file_, NewFile(NextPath()));
    file_->Start();
    if (outgoing) {
        if (!restoredFrom_.isEmpty()) {
            // Otherwise the next start tells a finished restore from the notes.
            outgoing->SyncNow();
            if (outgoing->SyncedThrough() >= restoredAt_)
                for (const QString& path : restoredFrom_)
                    QFile::remove(path);
            restoredFrom_.clear();
        }
        // Rows never saved stay for the next start to offer; others need no journal.
        if (HasUnsaved()) {
            kept_.append(outgoing->Path());
            ending_.push_back(std::move(outgoing));
            CloseDone();
        } else {
            outgoing->Abandon();
            QFile::remove(outgoing->Path());
            syncsDone_ += outgoing->SyncsDone();
        }
    }
    started_ = true;
    rows_ = std::max(count, 0);
    saved_ = 0;

    if (!restoredFrom.isEmpty()) {
        QByteArray names = JournalContents::RestoringNote;
        for (const QString& path : restoredFrom)
            names += ' ' + QFileInfo(path).fileName().toUtf8();
        file_->Append(names + "\r\n", 0);
    }
    QByteArray batch;
    int batchRows = 0;
    for (int i = 0; i < count; ++i) {
        LogLineFormat::AppendLine(batch, row(i), QLatin1Char(JournalContents::Separator));
        ++batchRows;
        if (batch.size() >= BatchBytes || i == count - 1) {
            file_->Append(batch, batchRows);
            batch.clear();
            batchRows = 0;
        }
    }
    if (!restoredFrom.isEmpty()) {
        file_->Append(QByteArray(JournalContents::RestoredNote) + "\r\n", 0);
        restoredFrom_ = restoredFrom;
        restoredAt_ = file_->Appended();
    }
    qCInfo(lcJournal) << "journal" << file_->Path() << "begun with" << count << "rows; kept"
                      << kept_;
    return Writing();
}

bool RowJournal::Append(const LogLineFormat::Fields& fields) {
    if (!started_)
        return false;
    ++rows_; // counted even without a file: the table holds the row unsaved
    if (!file_)
        return false;
    return file_->Append(LogLineFormat::Line(fields, QLatin1Char(JournalContents::Separator)));
}

void RowJournal::NoteSaved(int rows) {
    const int saved = std::clamp(rows, saved_, rows_);
    if (saved == saved_)
        return;
    saved_ = saved;
    if (file_)
        file_->Append(JournalContents::SavedNote + QByteArray::number(saved) + "\r\n", 0);
}

void RowJournal::Discard() {
    if (file_) {
        file_->Abandon();
        QFile::remove(file_->Path());
        syncsDone_ += file_->SyncsDone();
        file_.reset();
    }
    rows_ = saved_ = 0;
}

bool RowJournal::Writing() const {
    return file_ && file_->Writing() && !failed_;
}

qint64 RowJournal::WaitingRows() const {
    qint64 rows = file_ ? file_->WaitingRows() : 0;
    for (const auto& file : ending_)
        rows += file->WaitingRows();
    return rows;
}

QString RowJournal::CurrentPath() const {
    return file_ ? file_->Path() : QString();
}

void RowJournal::FileStopped(AppendingFile* file, const QString& reason) {
    if (failed_)
        return; // said once for the whole outage
    failed_ = true;
    emit Failed(tr("The journal \"%1\" cannot be written: %2. Recording goes on; the "
                   "rows wait and are written to the journal when that works "
                   "again, but rows not saved will be lost if the program ends "
                   "before.")
                    .arg(QDir::toNativeSeparators(file->Path()), reason));
}

void RowJournal::FileResumed(AppendingFile* file, qint64 rows) {
    waitedRows_ += rows;
    if (!failed_ || (file_ && !file_->Writing()))
        return;
    for (const auto& f : ending_)
        if (!f->Writing())
            return;
    failed_ = false;
    const qint64 waited = std::exchange(waitedRows_, 0);
    emit Resumed(tr("The journal \"%1\" is written again: %n rows recorded meanwhile are in it.",
                    nullptr, int(waited))
                     .arg(QDir::toNativeSeparators(file->Path())));
}

void RowJournal::FileSynced(AppendingFile* file, qint64 position) {
    if (file == file_.get() && !restoredFrom_.isEmpty() && position >= restoredAt_)
        RemoveRestored();
    if (file != file_.get())
        QMetaObject::invokeMethod(this, &RowJournal::CloseDone, Qt::QueuedConnection);
}

void RowJournal::CloseDone() {
    // Closed outside their own signals, once their last sync has run: closing
    // one with a sync due would wait for the disk here.
    for (auto it = ending_.begin(); it != ending_.end();) {
        if ((*it)->Writing() && !(*it)->SyncDue()) {
            (*it)->Close();
            syncsDone_ += (*it)->SyncsDone();
            it = ending_.erase(it);
        } else {
            ++it;
        }
    }
}

void RowJournal::RemoveRestored() {
    if (restoredFrom_.isEmpty() || !file_ || file_->SyncedThrough() < restoredAt_)
        return;
    for (const QString& path : std::exchange(restoredFrom_, {}))
        QFile::remove(path);
}

bool RowJournal::SyncNow() {
    bool ok = true;
    for (const auto& file : ending_)
        ok = file->SyncNow() && ok;
    if (file_)
        ok = file_->SyncNow() && ok;
    return ok;
}

void RowJournal::Close() {
    SyncNow();
    for (const auto& file : ending_) {
        file->Close();
        syncsDone_ += file->SyncsDone();
    }
    ending_.clear();
    if (file_)
        file_->Close();
}

void RowJournal::SetSyncDelay(int ms) {
    syncDelay_ = ms;
    if (file_)
        file_->SetSyncDelay(ms);
}

void RowJournal::SetRetryDelay(int ms) {
    retryDelay_ = ms;
    if (file_)
        file_->SetRetryDelay(ms);
}

int RowJournal::SyncsDone() const {
    int done = syncsDone_ + (file_ ? file_->SyncsDone() : 0);
    for (const auto& file : ending_)
        done += file->SyncsDone();
    return done;
}
