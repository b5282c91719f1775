#include "UpdateCheck.h"

#include "AppAddresses.h"
#include "VersionText.h"
#include "app/modMain.h"
#include "tray/LinkLabel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringDecoder>

namespace {

// UTF-8 with any byte-order mark dropped; a character cut in half at the cap is left out, not garbled.
QString decoded(const QByteArray& body)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    return decoder.decode(body);
}

} // namespace

UpdateCheck::UpdateCheck(modMain& context, QAbstractButton* button, QLabel* label, QObject* owner,
                         QString runningVersion)
    : QObject(owner), m_context(context), m_button(button), m_label(label), m_runningVersion(std::move(runningVersion))
{
    if (m_label)
        m_label->setTextFormat(Qt::PlainText);
}

QString UpdateCheck::serverAddress()
{
    const QString overridden = qEnvironmentVariable("TOCKWELL_UPDATE_SERVER").trimmed();
    QString address = overridden.isEmpty() ? AppAddresses::UpdateServer : overridden;
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

bool UpdateCheck::LaunchURL(Desktop& desktop, const QString& address)
{
    return openAddress(desktop, address);
}

void UpdateCheck::start()
{
    if (m_running)
        return;
    m_running = true;
    setButton(false, tr(CheckingCaption));
    m_server = serverAddress();
    m_context.desktop().web.get(m_server + VersionPath, VersionCap, this,
                                [this](const WebFetch::Result& reply) { versionArrived(reply); });
}

void UpdateCheck::versionArrived(const WebFetch::Result& reply)
{
    if (!reply.ok) {
        fail(reply.error);
        return;
    }
    // A version document cut at the cap is not a version, whatever its first bytes say.
    const QString version = decoded(reply.body).trimmed();
    const std::optional<int> order = reply.truncated ? std::nullopt : VersionText::compare(version, m_runningVersion);
    if (!order) {
        fail(tr(UnexpectedVersionText));
        return;
    }
    m_context.LatestVersion = version;
    setLabel(version);
    if (*order <= 0) {
        setLabel(tr(NoUpdates));
        finish();
        return;
    }
    m_context.desktop().web.get(m_server + NoticePath, NoticeCap, this,
                                [this, version](const WebFetch::Result& notice) { noticeArrived(version, notice); });
}

void UpdateCheck::noticeArrived(const QString& version, const WebFetch::Result& reply)
{
    QString question;
    if (reply.ok) {
        m_context.UpdateMessage = decoded(reply.body);
        question = m_context.UpdateMessage.trimmed();
    }
    // Never an empty question, and never a notice another check fetched about another version.
    if (question.isEmpty())
        question = tr("Tockwell %1 is available. Do you want to download it?").arg(version);

    Desktop& desktop = m_context.desktop();
    const QString installer = m_server + InstallerPath;
    const QPointer<UpdateCheck> alive(this);
    // The window may close while the question is open; the user's Yes still opens the installer.
    if (desktop.messages.show(question, MsgBox::YesNo, tr(QuestionTitle)) == MsgBox::Yes)
        LaunchURL(desktop, installer);
    if (alive)
        finish();
}

void UpdateCheck::fail(const QString& reason)
{
    setLabel(tr(UnknownVersion));
    const QPointer<UpdateCheck> alive(this);
    m_context.desktop().messages.show(tr(CouldNotCheck), MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName,
                                      reason);
    if (alive)
        finish();
}

void UpdateCheck::finish()
{
    m_running = false;
    setButton(true, tr(CheckCaption));
}

void UpdateCheck::setButton(bool enabled, const QString& caption)
{
    if (!m_button)
        return;
    // Disabling the focused button sends the focus on to the next control; a keyboard user who
    // started the check gets it back on the button, ready to check again.
    if (!enabled)
        m_buttonHadFocus = m_button->hasFocus();
    m_button->setEnabled(enabled);
    m_button->setText(caption);
    if (enabled && m_buttonHadFocus)
        m_button->setFocus(Qt::OtherFocusReason);
}

void UpdateCheck::setLabel(const QString& text)
{
    if (m_label)
        m_label->setText(text);
}
