// Every dialog template, control and bitmap of the product, named once: templates
// IDD_..., controls IDC_..., bitmaps IDB_... A control id is unique within its own
// template only, so the same number stands for different controls on different pages.
#pragma once

// The application's icon.
inline constexpr int IDR_MAINFRAME = 128;

// Templates
inline constexpr int IDD_FIRST_PAGE = 102;         // the blank page, never shown
inline constexpr int IDD_ANGLE = 166;              // Angle
inline constexpr int IDD_AREA = 164;               // Area
inline constexpr int IDD_STORAGE = 153;            // Computer Storage
inline constexpr int IDD_COOKING = 177;            // Cooking
inline constexpr int IDD_ENERGY = 168;             // Energy
inline constexpr int IDD_FREQUENCY = 170;          // Frequency
inline constexpr int IDD_LENGTH = 162;             // Length
inline constexpr int IDD_LIGHT = 180;              // Light
inline constexpr int IDD_POWER = 136;              // Power
inline constexpr int IDD_PRESSURE = 148;           // Pressure
inline constexpr int IDD_SPEED = 160;              // Speed
inline constexpr int IDD_TIME = 142;               // Time
inline constexpr int IDD_TORQUE = 173;             // Torque
inline constexpr int IDD_VOLUME = 132;             // Volume
inline constexpr int IDD_WEIGHT = 134;             // Weight
inline constexpr int IDD_TEMPERATURE = 158;        // Temperature
inline constexpr int IDD_ABOUT = 183;              // About
inline constexpr int IDD_PERIODIC_TABLE = 130;     // Periodic Table
inline constexpr int IDD_MOLECULAR_WEIGHT = 138;   // M.W/Grams Moles
inline constexpr int IDD_MOLECULAR_FORMULA = 145;  // Molecular Formula

// Bitmaps: the pages' headings and the About page's logo
inline constexpr int IDB_ANGLE = 157;
inline constexpr int IDB_AREA = 150;
inline constexpr int IDB_STORAGE = 155;
inline constexpr int IDB_COOKING = 179;
inline constexpr int IDB_ENERGY = 151;
inline constexpr int IDB_FREQUENCY = 172;
inline constexpr int IDB_LENGTH = 160;
inline constexpr int IDB_LIGHT = 182;
inline constexpr int IDB_POWER = 162;
inline constexpr int IDB_PRESSURE = 152;
inline constexpr int IDB_SPEED = 147;
inline constexpr int IDB_TIME = 165;
inline constexpr int IDB_TORQUE = 175;
inline constexpr int IDB_VOLUME = 142;
inline constexpr int IDB_WEIGHT = 159;
inline constexpr int IDB_TEMPERATURE = 145;
inline constexpr int IDB_ABOUT_LOGO = 184;
inline constexpr int IDB_PERIODIC_TABLE = 156;
inline constexpr int IDB_MOLECULAR_WEIGHT = 143;
inline constexpr int IDB_MOLES_GRAMS = 144;
inline constexpr int IDB_MOLECULAR_FORMULA = 167;

// Angle
inline constexpr int IDC_ANGLE_VALUE = 1064;
inline constexpr int IDC_ANGLE_UNIT = 1005;
inline constexpr int IDC_ANGLE_SCIENTIFIC = 1081;
inline constexpr int IDC_ANGLE_DECIMALS = 1088;
inline constexpr int IDC_ANGLE_EQUALS = 1001;
inline constexpr int IDC_ANGLE_VALUES = 1065;
inline constexpr int IDC_ANGLE_NAMES = 1074;

// Area
inline constexpr int IDC_AREA_VALUE = 1047;
inline constexpr int IDC_AREA_UNIT = 1003;
inline constexpr int IDC_AREA_SCIENTIFIC = 1081;
inline constexpr int IDC_AREA_DECIMALS = 1088;
inline constexpr int IDC_AREA_EQUALS = 1001;
inline constexpr int IDC_AREA_VALUES = 1049;
inline constexpr int IDC_AREA_NAMES = 1074;

// Computer Storage
inline constexpr int IDC_STORAGE_VALUE = 1062;
inline constexpr int IDC_STORAGE_UNIT = 1004;
inline constexpr int IDC_STORAGE_SCIENTIFIC = 1080;
inline constexpr int IDC_STORAGE_DECIMALS = 1087;
inline constexpr int IDC_STORAGE_EQUALS = 1000;
inline constexpr int IDC_STORAGE_VALUES = 1063;
inline constexpr int IDC_STORAGE_NAMES = 1073;

// Cooking
inline constexpr int IDC_COOKING_VALUE = 1047;
inline constexpr int IDC_COOKING_UNIT = 1003;
inline constexpr int IDC_COOKING_SCIENTIFIC = 1081;
inline constexpr int IDC_COOKING_DECIMALS = 1088;
inline constexpr int IDC_COOKING_EQUALS = 1001;
inline constexpr int IDC_COOKING_VALUES = 1049;
inline constexpr int IDC_COOKING_NAMES = 1074;

// Energy
inline constexpr int IDC_ENERGY_VALUE = 1062;
inline constexpr int IDC_ENERGY_UNIT = 1004;
inline constexpr int IDC_ENERGY_SCIENTIFIC = 1080;
inline constexpr int IDC_ENERGY_DECIMALS = 1087;
inline constexpr int IDC_ENERGY_EQUALS = 1000;
inline constexpr int IDC_ENERGY_VALUES = 1063;
inline constexpr int IDC_ENERGY_NAMES = 1073;

// Frequency
inline constexpr int IDC_FREQUENCY_VALUE = 1047;
inline constexpr int IDC_FREQUENCY_UNIT = 1003;
inline constexpr int IDC_FREQUENCY_SCIENTIFIC = 1081;
inline constexpr int IDC_FREQUENCY_DECIMALS = 1088;
inline constexpr int IDC_FREQUENCY_EQUALS = 1001;
inline constexpr int IDC_FREQUENCY_VALUES = 1049;
inline constexpr int IDC_FREQUENCY_NAMES = 1074;

// Length
inline constexpr int IDC_LENGTH_VALUE = 1047;
inline constexpr int IDC_LENGTH_UNIT = 1004;
inline constexpr int IDC_LENGTH_SCIENTIFIC = 1081;
inline constexpr int IDC_LENGTH_DECIMALS = 1088;
inline constexpr int IDC_LENGTH_EQUALS = 1039;
inline constexpr int IDC_LENGTH_VALUES = 1049;
inline constexpr int IDC_LENGTH_NAMES = 1074;

// Light
inline constexpr int IDC_LIGHT_VALUE = 1064;
inline constexpr int IDC_LIGHT_UNIT = 1005;
inline constexpr int IDC_LIGHT_SCIENTIFIC = 1081;
inline constexpr int IDC_LIGHT_DECIMALS = 1088;
inline constexpr int IDC_LIGHT_EQUALS = 1001;
inline constexpr int IDC_LIGHT_VALUES = 1065;
inline constexpr int IDC_LIGHT_NAMES = 1074;

// Power
inline constexpr int IDC_POWER_VALUE = 1062;
inline constexpr int IDC_POWER_UNIT = 1003;
inline constexpr int IDC_POWER_SCIENTIFIC = 1081;
inline constexpr int IDC_POWER_DECIMALS = 1088;
inline constexpr int IDC_POWER_EQUALS = 1005;
inline constexpr int IDC_POWER_VALUES = 1007;
inline constexpr int IDC_POWER_NAMES = 1008;

// Pressure
inline constexpr int IDC_PRESSURE_VALUE = 1046;
inline constexpr int IDC_PRESSURE_UNIT = 1002;
inline constexpr int IDC_PRESSURE_SCIENTIFIC = 1080;
inline constexpr int IDC_PRESSURE_DECIMALS = 1087;
inline constexpr int IDC_PRESSURE_EQUALS = 1000;
inline constexpr int IDC_PRESSURE_VALUES = 1048;
inline constexpr int IDC_PRESSURE_NAMES = 1073;

// Speed
inline constexpr int IDC_SPEED_VALUE = 1054;
inline constexpr int IDC_SPEED_UNIT = 1004;
inline constexpr int IDC_SPEED_SCIENTIFIC = 1081;
inline constexpr int IDC_SPEED_DECIMALS = 1088;
inline constexpr int IDC_SPEED_EQUALS = 1005;
inline constexpr int IDC_SPEED_VALUES = 1008;
inline constexpr int IDC_SPEED_NAMES = 1064;

// Time
inline constexpr int IDC_TIME_VALUE = 1052;
inline constexpr int IDC_TIME_UNIT = 1002;
inline constexpr int IDC_TIME_SCIENTIFIC = 1080;
inline constexpr int IDC_TIME_DECIMALS = 1087;
inline constexpr int IDC_TIME_EQUALS = 1000;
inline constexpr int IDC_TIME_VALUES = 1006;
inline constexpr int IDC_TIME_NAMES = 1063;

// Torque
inline constexpr int IDC_TORQUE_VALUE = 1064;
inline constexpr int IDC_TORQUE_UNIT = 1005;
inline constexpr int IDC_TORQUE_SCIENTIFIC = 1081;
inline constexpr int IDC_TORQUE_DECIMALS = 1088;
inline constexpr int IDC_TORQUE_EQUALS = 1001;
inline constexpr int IDC_TORQUE_VALUES = 1065;
inline constexpr int IDC_TORQUE_NAMES = 1074;

// Volume
inline constexpr int IDC_VOLUME_VALUE = 1046;
inline constexpr int IDC_VOLUME_UNIT = 1045;
inline constexpr int IDC_VOLUME_SCIENTIFIC = 1080;
inline constexpr int IDC_VOLUME_DECIMALS = 1087;
inline constexpr int IDC_VOLUME_EQUALS = 1000;
inline constexpr int IDC_VOLUME_VALUES = 1048;
inline constexpr int IDC_VOLUME_NAMES = 1073;

// Weight
inline constexpr int IDC_WEIGHT_VALUE = 1046;
inline constexpr int IDC_WEIGHT_UNIT = 1002;
inline constexpr int IDC_WEIGHT_SCIENTIFIC = 1080;
inline constexpr int IDC_WEIGHT_DECIMALS = 1087;
inline constexpr int IDC_WEIGHT_EQUALS = 1000;
inline constexpr int IDC_WEIGHT_VALUES = 1048;
inline constexpr int IDC_WEIGHT_NAMES = 1073;

// Temperature
inline constexpr int IDC_TEMPERATURE_VALUE = 1053;
inline constexpr int IDC_TEMPERATURE_UNIT = 1003;
inline constexpr int IDC_TEMPERATURE_EQUALS = 1001;
inline constexpr int IDC_TEMPERATURE_VALUES = 1007;
inline constexpr int IDC_TEMPERATURE_NAMES = 1065;
inline constexpr int IDC_TEMPERATURE_FORMULA = 1002;

// Periodic Table
inline constexpr int IDC_PERIODIC_ELEMENT = 1002;
inline constexpr int IDC_PERIODIC_NAME = 1007;
inline constexpr int IDC_PERIODIC_GROUP = 1008;
inline constexpr int IDC_PERIODIC_BLOCK = 1009;
inline constexpr int IDC_PERIODIC_ATOMIC_MASS = 1003;
inline constexpr int IDC_PERIODIC_ATOMIC_NUMBER = 1005;
inline constexpr int IDC_PERIODIC_ELECTRONEGATIVITY = 1006;
inline constexpr int IDC_PERIODIC_OXIDATION = 1010;
inline constexpr int IDC_PERIODIC_DISTRIBUTION = 1018;

// M.W/Grams Moles: the formula row
inline constexpr int IDC_MW_ELEMENT1 = 1008;
inline constexpr int IDC_MW_COUNT1 = 1003;
inline constexpr int IDC_MW_ELEMENT2 = 1004;
inline constexpr int IDC_MW_COUNT2 = 1005;
inline constexpr int IDC_MW_ELEMENT3 = 1012;
inline constexpr int IDC_MW_COUNT3 = 1013;
inline constexpr int IDC_MW_ELEMENT4 = 1014;
inline constexpr int IDC_MW_COUNT4 = 1015;
inline constexpr int IDC_MW_ELEMENT5 = 1020;
inline constexpr int IDC_MW_COUNT5 = 1021;
inline constexpr int IDC_MW_EQUALS = 1007;
inline constexpr int IDC_MW_FORMULA_RESULT = 1006;
inline constexpr int IDC_MW_RESET = 1001;

// M.W/Grams Moles: the grams/moles row
inline constexpr int IDC_MW_MODE = 1002;
inline constexpr int IDC_MW_EXPLANATION = 1051;
inline constexpr int IDC_MW_RESULT_LABEL = 1052;
inline constexpr int IDC_MW_GIVEN = 1054;
inline constexpr int IDC_MW_OPERATOR = 1038;
inline constexpr int IDC_MW_MOLECULAR_WEIGHT = 1055;
inline constexpr int IDC_MW_CONVERT = 1009;
inline constexpr int IDC_MW_RESULT = 1018;

// Molecular Formula
inline constexpr int IDC_FORMULA_COMPOUND_WEIGHT = 1091;
inline constexpr int IDC_FORMULA_UNKNOWN_WEIGHT = 1097;
inline constexpr int IDC_FORMULA_GRAMS1 = 1011;
inline constexpr int IDC_FORMULA_ELEMENT1 = 1010;
inline constexpr int IDC_FORMULA_GRAMS2 = 1047;
inline constexpr int IDC_FORMULA_ELEMENT2 = 1016;
inline constexpr int IDC_FORMULA_GRAMS3 = 1022;
inline constexpr int IDC_FORMULA_ELEMENT3 = 1019;
inline constexpr int IDC_FORMULA_COMPUTE = 1094;
inline constexpr int IDC_FORMULA_COMPOSITION = 1092;
inline constexpr int IDC_FORMULA_SIMPLEST = 1093;
inline constexpr int IDC_FORMULA_MOLECULAR = 1096;
inline constexpr int IDC_FORMULA_RESET = 1095;
