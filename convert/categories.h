// The fifteen factor-table categories of the converter tabs, in tab order.
#pragma once

#include <array>

#include "convert/converter.h"

namespace convert {

extern const Category kAngle;
extern const Category kArea;
extern const Category kComputerStorage;
extern const Category kCooking;
extern const Category kEnergy;
extern const Category kFrequency;
extern const Category kLength;
extern const Category kLight;
extern const Category kPower;
extern const Category kPressure;
extern const Category kSpeed;
extern const Category kTime;
extern const Category kTorque;
extern const Category kVolume;
extern const Category kWeight;

// Every factor-table category, in the order of the window's tabs.
inline constexpr std::array<const Category*, 15> kConverterCategories{
    &kAngle, &kArea,     &kComputerStorage, &kCooking, &kEnergy, &kFrequency, &kLength, &kLight,
    &kPower, &kPressure, &kSpeed,           &kTime,    &kTorque, &kVolume,    &kWeight,
};

}  // namespace convert
