// The platform of the running program, on Qt's own facilities.
#pragma once

#include "platform/Platform.h"

#include <QRandomGenerator>

#include <memory>

class QLockFile;

namespace kinwise {

// Claims the lock that marks the running copy. False only when a live copy holds it, however long
// it has run; a lock that cannot be taken for another reason (a folder that cannot be written)
// lets this copy start, unguarded.
bool ClaimInstanceLock(QLockFile& lock);

class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    MessageAnswer showMessageWithAction(QWidget* parent, const QString& text, MessageIcon icon,
                                        const QString& action) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileDialogRequest& request) override;
    void openUrl(const QString& address) override;
    std::optional<QString> printDocument(const QTextDocument& document) override;
    QString readSetting(const QString& section, const QString& key) override;
    bool writeSetting(const QString& section, const QString& key, const QString& value) override;
    QDate today() override;
    void seedRandomFromClock() override;
    float randomUnit() override;
    bool claimSingleInstance() override;
    void endProcess() override;

private:
    QRandomGenerator m_random;
    std::unique_ptr<QLockFile> m_instanceLock;
};

} // namespace kinwise
