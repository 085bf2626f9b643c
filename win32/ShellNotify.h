// Telling Explorer that the registry's file associations changed, so that
// icons and open commands show without waiting for its cache to expire.
#pragma once

void NotifyAssociationsChanged();
