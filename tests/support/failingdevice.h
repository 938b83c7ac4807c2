#pragma once

// A device that serves or takes a given number of bytes and then fails, the
// way a disk that fills up or a network share that goes away does.

#include <QByteArray>
#include <QIODevice>

#include <algorithm>

namespace pernoa::test {

class FailingDevice : public QIODevice {
public:
    // Reading serves content up to limit bytes, then fails; writing takes
    // limit bytes, then fails.
    FailingDevice(QByteArray content, qint64 limit)
        : m_content(std::move(content)), m_limit(limit) {}

    QByteArray written;

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (m_served >= m_limit)
            return -1;
        const qint64 n = std::min({maxSize, m_limit - m_served, m_content.size() - m_served});
        if (n <= 0)
            return m_served < m_content.size() ? -1 : 0;
        std::copy_n(m_content.constData() + m_served, n, data);
        m_served += n;
        return n;
    }

    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = m_limit - written.size();
        if (room <= 0)
            return -1;
        const qint64 n = std::min(size, room);
        written.append(data, n);
        return n;
    }

private:
    QByteArray m_content;
    qint64 m_limit;
    qint64 m_served = 0;
};

} // namespace pernoa::test
