#include "support/WidgetSuite.h"

#include "app/Language.h"
#include "assets/AssetPaths.h"

namespace kinwise::test {

void WidgetSuite::initTestCase()
{
    // As the program does: under a Spanish desktop the suite runs in Spanish.
    LoadDesktopLanguage();
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
