// The unit names' look-up table built at the first look-up, where no written table is
// compiled in: in the tool that writes it, and in a cross build, which cannot run that
// tool.
#include "convert/name_index.h"

namespace convert::names {

Index CompiledIndex()
{
    return BuiltIndex();
}

}  // namespace convert::names
