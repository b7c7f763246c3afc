#include "cli/CliSupport.h"

namespace quintara::cli {

void WriteJson(const Context& context, const Json& json) {
    context.out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
}

}  // namespace quintara::cli
