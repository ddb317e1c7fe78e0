#include "scanner/ImportProcessing.h"

namespace tekvora::scanner {

ImportProcessor &importProcessor()
{
    static ImportProcessor processor;
    return processor;
}

} // namespace tekvora::scanner
