#include "reading/Records.h"

namespace kestrune::reading {

QuerentDetails& querentDetails()
{
    static QuerentDetails details;
    return details;
}

ReadingOptions& readingOptions()
{
    static ReadingOptions options;
    return options;
}

Reading& currentReading()
{
    static Reading reading;
    return reading;
}

} // namespace kestrune::reading
