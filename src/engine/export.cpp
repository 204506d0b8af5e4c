// The library's one export.
#include "numbase.h"
#include "numengine.h"

extern "C" DIGITOR_API Tnumengine* Numengobject()
{
    digitor::reseedfromclock();
    return new Tnumengimpl();
}
