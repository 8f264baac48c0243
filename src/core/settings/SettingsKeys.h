#pragma once

// Names of the settings the program keeps.
namespace SettingsKeys {
inline constexpr const char* welcome = "welcome";
inline constexpr const char* sex = "QVSex";
inline constexpr const char* dateBirth = "QVDateBirthValue";
inline constexpr const char* height = "QVHeightValue";
inline constexpr const char* startWeight = "QVStartWeightValue";
inline constexpr const char* goalWeight = "QVGoalWeightValue";
inline constexpr const char* activity = "QVStartActivity";
inline constexpr const char* intensity = "QVStartIntensity";
inline constexpr const char* allowedCalories = "QVAllowedCalories";
inline constexpr const char* allowedCaloriesAdd = "QVAllowedCaloriesAdd";
inline constexpr const char* heightInCm = "QVHeight";
inline constexpr const char* weightInPounds = "QVWeight";
} // namespace SettingsKeys
