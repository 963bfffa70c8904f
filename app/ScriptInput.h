// SPDX-License-Identifier: MIT
#pragma once
// Where a scene script comes from: a file, or standard input for "-", read through its file
// descriptor as a device. Every byte counts, a NUL byte included, and a line piped in is handed on
// as soon as it is whole: a read takes what the descriptor holds and never waits for more. A caught
// termination signal (TSignalWatcher) ends the input before the next line, even while a read waits
// for a pipe that stays silent.

#include <QByteArray>
#include <QIODevice>
#include <QString>

class TScriptInput : public QIODevice {
public:
    static constexpr qsizetype DefaultReadSize = 65536;

    // readSize: the most bytes one read of the descriptor takes
    explicit TScriptInput(qsizetype readSize = DefaultReadSize);
    ~TScriptInput() override;

    // Opens the file, or standard input for "-", for reading; false, with the reason in
    // errorString(), when it cannot be read.
    bool Open(const QString& fileName);
    void close() override;
    bool isSequential() const override { return true; }
    // Why reading stopped before the end of the input; empty when it did not.
    const QString& ReadFailure() const { return FReadFailure; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 readLineData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    // Waits for more bytes and appends them; false at the end, on a failure or a signal.
    bool Fill();
    // Ends the input with the system's reason; false.
    bool Fail(int errorNumber);
    qint64 Take(char* data, qsizetype count);
    qsizetype Pending() const { return FPending.size() - FStart; }

    qsizetype FReadSize;
    int FFd = -1;
    bool FOwnsFd = false;
    bool FEnded = false;
    QByteArray FPending;
    qsizetype FStart = 0;  // the bytes before it have been handed on
    QString FReadFailure;
};
