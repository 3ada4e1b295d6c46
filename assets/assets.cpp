#include "assets/assets.h"

#include <QtGlobal>

void initPraluneAssets()
{
    Q_INIT_RESOURCE(assets);
}
