#include "foundation/cp932_tables.h"

namespace lumidex {

const Cp932Tables& Cp932Tables::Get() {
  static const Cp932Tables tables;
  return tables;
}

}  // namespace lumidex
