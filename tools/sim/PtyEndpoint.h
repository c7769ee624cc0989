#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The radio's end of a pseudo-terminal. The program opens the terminal
// side (devicePath()) as its serial port; the radio reads and writes the
// controlling side. Both sides are raw, so CR and LF pass unchanged. The
// terminal side stays open here as well, so that the program may close
// and reopen it without ending the radio.
class PtyEndpoint : public QObject
{
    Q_OBJECT
public:
    explicit PtyEndpoint(QObject *parent = nullptr);
    ~PtyEndpoint() override;

    // Opens the pair. False with `error` set on failure.
    bool open(QString &error);
    bool isOpen() const { return m_master >= 0; }
    // The terminal side's path ("/dev/pts/7").
    QString devicePath() const { return m_devicePath; }

    // Makes `path` a symbolic link to the terminal; removed by close().
    // A stale link left at `path` is replaced; any other file is kept and
    // refused.
    bool createLink(const QString &path, QString &error);

    // Queues bytes for the program; written as the terminal takes them.
    void write(const QByteArray &bytes);
    // Bytes written to the program that it has not read yet (including
    // bytes not yet handed to the terminal).
    int unreadByProgram() const;

    // Closes both sides and removes the link.
    void close();

signals:
    void received(const QByteArray &bytes);

private:
    void readAvailable();
    void flush();

    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
    QString m_linkPath;
    QByteArray m_pending;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
};
