#include "testing/SamplePlants.h"

namespace burgeon::testing {

std::string examplesFolder() {
    return BURGEON_EXAMPLES;
}

std::string exampleFile(const std::string& relative) {
    return examplesFolder() + "/" + relative;
}

std::string exampleLsystems() {
    return exampleFile("LsysExam.Lsys");
}

std::string internodeGrowth() {
    return exampleFile("growth/internode-length.txt");
}

std::string soybeanSession() {
    return exampleFile("sessions/1-soybean.burgeon");
}

} // namespace burgeon::testing
