#include "support/SilentProxy.h"

using namespace Qt::StringLiterals;

namespace support {

SilentProxy::~SilentProxy()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool SilentProxy::start(Silence silence, const QString &query, const QString &after)
{
    m_process.setProgram(QString::fromUtf8(KELVARO_SILENT_PROXY));
    m_process.setArguments({ qEnvironmentVariable("KELVARO_TEST_PG_PORT"),
        silence == Silence::Request ? u"request"_s : u"reply"_s, query });
    if (!after.isEmpty())
        m_process.setArguments(m_process.arguments() << after);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(5000))
        return false;
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    if (!line.startsWith(u"port "_s))
        return false;
    m_port = line.mid(5).toInt();
    return m_port > 0;
}

} // namespace support
