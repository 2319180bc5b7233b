#include "support/WidgetSuite.h"

#include "assets/AssetPaths.h"

namespace kinwise::test {

void WidgetSuite::initTestCase()
{
    InitAssets();
}

void WidgetSuite::init()
{
    m_session = std::make_unique<Session>();
}

void WidgetSuite::cleanup()
{
    m_session.reset();
}

} // namespace kinwise::test
