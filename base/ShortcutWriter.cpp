#include "base/ShortcutWriter.h"

std::optional<IconLocation> IconLocationOf(const ShortcutRequest& request) {
    if (request.iconIndex < 0)
        return std::nullopt;
    return IconLocation{request.iconPath.empty() ? request.target : request.iconPath,
                        request.iconIndex};
}
