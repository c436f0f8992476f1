#ifndef VANDREL_FIELDLAYERCACHE_H
#define VANDREL_FIELDLAYERCACHE_H

// Filled in with the painting.
class FieldLayerCache
{
};

#endif
