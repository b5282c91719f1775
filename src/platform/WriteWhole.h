#pragma once

#include <QByteArrayView>
#include <QIODevice>

// Writes all of `data`, carrying on after short writes; false at the first write that fails.
// Meant for a QSaveFile opened Unbuffered: buffered, a flush that fails inside commit() goes
// unreported and the cut-off file replaces the good one.
inline bool writeWhole(QIODevice& device, QByteArrayView data)
{
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = device.write(data.data() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}
