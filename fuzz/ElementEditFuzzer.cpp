// Arbitrary themes and names through the inspector's element edits, without a canvas: moves
// between containers, copies with fresh child names, renames and their references, the naming
// rules, the bulk creator's tree and the rows of the inspector.
//
// Input: the bytes before the first NUL are the theme file; after it, each line is a name.
#include "elementedit/ContainerEdits.h"
#include "elementedit/FuzzedNames.h"
#include "elementedit/NameEdits.h"
#include "elementedit/RowLayouts.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::ElementEditInput input =
      fuzzing::splitElementEditInput(std::string_view(reinterpret_cast<const char*>(data), size));
  fuzzing::runContainerEdits(input);
  fuzzing::runNameEdits(input);
  fuzzing::runRowLayouts(input);
  return 0;
}
