#include "ObjectSink.h"
