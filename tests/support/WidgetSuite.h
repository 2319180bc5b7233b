// The fixture of the widget suites: each test function gets a fresh fake desktop and leaves no
// window behind. A suite derives from it and reaches the fake through fake().
#pragma once

#include "support/FakePlatform.h"

#include <QObject>

#include <memory>

namespace kinwise::test {

class WidgetSuite : public QObject
{
    Q_OBJECT

protected:
    Session& fake() { return *m_session; }

    // Replaces the fake desktop by one of a kind that scripts more.
    template <typename Fake = Session> Fake* install()
    {
        m_session.reset(); // first, so the new fake's installation is the one that stays
        auto fake = std::make_unique<Fake>();
        Fake* installed = fake.get();
        m_session = std::move(fake);
        return installed;
    }

protected slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    std::unique_ptr<Session> m_session;
};

} // namespace kinwise::test
