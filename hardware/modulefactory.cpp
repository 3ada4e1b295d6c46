#include "hardware/modulefactory.h"

#include "hardware/modules/hx2/hx2module.h"
#include "hardware/modules/hx9/hx9module.h"
#include "hardware/modules/kt220/kt220module.h"
#include "hardware/modules/kw7/kw7module.h"
#include "hardware/modules/rv31/rv31module.h"

ModuleInterface *ModuleFactory::create(const ModuleTypes &type)
{
    switch (type) {
    case ModuleTypeRV31:
        return new RV31Module;
    case ModuleTypeHX9:
        return new HX9Module;
    case ModuleTypeKW7:
        return new KW7Module;
    case ModuleTypeKT220:
        return new KT220Module;
    case ModuleTypeHX2:
        return new HX2Module;
    case ModuleTypeNone:
    case ModuleTypeTavrin:
        break;
    }
    return nullptr;
}
