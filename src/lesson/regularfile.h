#ifndef VANDREL_REGULARFILE_H
#define VANDREL_REGULARFILE_H

#include <QCoreApplication>
#include <QString>

class QFile;

// The program reads and replaces regular files only: opening a named pipe waits for a writer
// that may never come, a device may never end, and replacing a device node with a file (as root)
// would break the system. Each function tells why it failed in a few words ("no such file",
// "a named pipe (FIFO), not a regular file", "No space left on device").
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)

public:
    // Opens the file for reading without ever waiting; empty when open, else why not.
    static QString openToRead(const QString &fileName, QFile &file);

    // Replaces what stands under the name with the bytes, whole or not at all: written to a
    // temporary file that takes the name only when every byte is on the disk. Empty when done;
    // else why not, and the old file is left as it was, byte for byte.
    static QString save(const QString &fileName, const QByteArray &bytes);
};

#endif
