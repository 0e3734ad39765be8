#include "career/career_record.h"

#include <type_traits>

namespace career {

static_assert(std::is_trivially_copyable_v<CareerRecord>);

CareerRecord EmptyCareerRecord() {
  return CareerRecord{};
}

}  // namespace career
