// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files in tests/data, found from this header's own place so that tests and benchmarks read
// them alike. A table has one row a line and its fields separated by TABs; percent escapes (%09,
// %0A, %25...) stand for what a line of text cannot hold, and lines starting with '#' are comments.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

inline QByteArray testData(const QString& name) {
    QFile file(QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../data/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QList<QStringList> testDataRows(const QString& name) {
    QList<QStringList> rows;
    for (const QByteArray& line : testData(name).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        rows.append(QStringList());
        for (const QByteArray& field : line.split('\t'))
            rows.last() << QString::fromUtf8(QByteArray::fromPercentEncoding(field));
    }
    return rows;
}
