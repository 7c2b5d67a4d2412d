// A ground file that reaches up into the engine: the layer check must refuse it.
#include "expr/evaluate.h"
