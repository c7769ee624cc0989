#pragma once

#include <QString>

// Outcome of a file operation. The window turns a failure into its fixed
// message; `detail` says more (the system's reason, the failing line).
class FileResult
{
public:
    enum class Error { None, DataError, FileOpenError };

    static FileResult success() { return FileResult(); }
    static FileResult failure(Error error, const QString &detail = QString())
    {
        FileResult r;
        r.m_error = error;
        r.m_detail = detail;
        return r;
    }

    bool ok() const { return m_error == Error::None; }
    Error error() const { return m_error; }
    QString detail() const { return m_detail; }
    // "Data Error", "File Open Error", or empty on success.
    QString message() const
    {
        switch (m_error) {
        case Error::DataError:
            return QStringLiteral("Data Error");
        case Error::FileOpenError:
            return QStringLiteral("File Open Error");
        case Error::None:
            break;
        }
        return QString();
    }

private:
    Error m_error = Error::None;
    QString m_detail;
};
