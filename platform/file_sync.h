// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Forcing what was written to a file onto the disk. The file is opened again by
// name, so this can run on a worker thread while the writer keeps, or closes, its
// own handle.

#include <QString>

// True when the file's data reached the disk.
bool SyncFileToDisk(const QString& path);
// The same for a file open for writing (a C runtime descriptor); errno says why not.
bool SyncDescriptorToDisk(int fd);
// Makes the folder's list of names durable (a file created in it survives a power cut).
bool SyncFolderToDisk(const QString& path);
