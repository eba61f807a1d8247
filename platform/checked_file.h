// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files the program writes and reads, with every system call checked.
//
// CheckedFileWriter replaces a file only by a complete one: it writes a
// temporary file beside the target, checks each write (a short one too), writes
// out what it buffered, syncs the data to the disk, renames the file into the
// target's place and syncs the folder. On any failure the target is left exactly
// as it was, the temporary file is removed, and ErrorText() holds the system's own
// reason ("No space left on device"), never an empty or "Unknown error".
//
// RegularFileReader opens only regular files, without blocking: a FIFO, a
// device, a socket or a folder is refused at once instead of hanging the reader.
//
// FileFaults is the seam tests use to make the Nth write, flush, sync, rename,
// folder sync or read of every file fail, as a full disk or a failing one would,
// and every append of the appending files from the Nth on, as a disk that stays
// full until it is emptied again (Disarm).

#include <QByteArray>
#include <QString>
#include <cerrno>

namespace FileFaults {
enum class Call { Write, Flush, Sync, Rename, FolderSync, Read, Append };
struct Fault {
    Call call = Call::Write;
    // The nth such call of each file fails; of Append, the nth after the arming
    // and every one after it.
    int nth = 1;
    int error = ENOSPC;
    // A write: half its bytes go out and the next write fails with error, as on a
    // disk that fills up in the middle of a write.
    bool shortWrite = false;
};
// Every file opened from now on meets the fault, until Disarm; appending files
// already open meet an Append fault too.
void Arm(const Fault& fault);
void Disarm();
// The armed fault, if any; arming counts the Arm calls, so a file that meets the
// fault call by call can count its calls from the arming.
bool Current(Fault& fault, int* arming = nullptr);
} // namespace FileFaults

class CheckedFileWriter {
public:
    static constexpr qsizetype BlockBytes = 1 << 20;

    explicit CheckedFileWriter(const QString& target);
    // Removes the temporary file unless Commit succeeded.
    ~CheckedFileWriter();
    CheckedFileWriter(const CheckedFileWriter&) = delete;
    CheckedFileWriter& operator=(const CheckedFileWriter&) = delete;

    QString Target() const { return target_; }
    // Creates the temporary file in the target's folder.
    bool Open();
    // Buffers the bytes and writes out whole blocks; false once anything failed.
    bool Write(const char* data, qsizetype size);
    bool Write(QByteArrayView bytes) { return Write(bytes.data(), bytes.size()); }
    // Writes out the rest, syncs, and puts the file in the target's place. True
    // only when every step succeeded.
    bool Commit();
    // Gives the file up: the target stays as it was, the temporary file goes.
    void Cancel();

    bool Failed() const { return error_ != 0; }
    // The system's reason for the failure.
    QString ErrorText() const;

private:
    bool Fail(int error);
    bool WriteOut(const char* data, qsizetype size, FileFaults::Call stage);
    bool Flush();

    QString target_;
    QString temp_;
    QByteArray buffer_;
    int fd_ = -1;
    int error_ = 0;
    bool committed_ = false;
    FileFaults::Fault fault_;
    bool armed_ = false;
    bool full_ = false; // a faulted short write: the disk takes nothing more
    int calls_[6] = {};
};

class RegularFileReader {
public:
    RegularFileReader() = default;
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    enum class Links { Follow, Refuse };
    // Opens a regular file; anything else is refused without waiting for it (a
    // symbolic link too, when told to).
    bool Open(const QString& path, Links links = Links::Follow);
    // The last Open found something that is not a regular file.
    bool NotAFile() const { return notAFile_; }
    // Up to size bytes; 0 at the end of the file, -1 on failure.
    qint64 Read(char* data, qint64 size);
    void Close();
    QString ErrorText() const { return error_; }

private:
    bool Fail(int error);
    // The seam fails this read.
    bool Faulted();

    int fd_ = -1;
    QString error_;
    bool notAFile_ = false;
    FileFaults::Fault fault_;
    bool armed_ = false;
    int reads_ = 0;
};

// The system's text for an error number; never empty.
QString SystemErrorText(int error);

// Why what is at path is not a regular file ("it is a folder, not a file"); empty
// when it is one, or when nothing is there.
QString NotARegularFile(const QString& path,
                        RegularFileReader::Links links = RegularFileReader::Links::Follow);
