#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "core/diag/FaultNames.h"

using namespace rovik;

namespace {
using NameList = std::map<std::uint32_t, std::string>;

// The names as the tables list them, written key "name"; and so on.
NameList Parse(const char* list) {
    NameList names;
    const std::regex row(R"((\d+) "([^"]*)\")");
    std::string text(list);
    for (std::sregex_iterator it(text.begin(), text.end(), row), end; it != end; ++it) {
        names[static_cast<std::uint32_t>(std::stoul((*it)[1]))] = (*it)[2];
    }
    return names;
}

std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

const std::string kUnknown = Padded("UNKNOWN COMPONENT", 30);

// Components by PID or SPN.
const char* const kComponentList =
    R"-(2 "Transmitter System Status"; 3 "Transmitter System Diagnostic"; )-"
    R"-(5 "Underrange Warning Condition"; 6 "Overrange Warning Condition"; )-"
    R"-(13 "Entry Assist Deployment"; 14 "Entry Assist Motor Current"; )-"
    R"-(15 "Fuel Supply Pump Inlet Prssr"; 16 "Suction Side Fuel Fltr Prssr"; )-"
    R"-(17 "Engine Oil Level Remote Resvr"; 18 "Extended Range Fuel Pressure"; )-"
    R"-(19 "Ext. Range Engine Oil Pressure"; 20 "Ext. Range Engine Coolant Prsr"; )-"
    R"-(21 "Engine ECU Temperature"; 22 "Ext. Eng. Crnkcase BlowBy Prss"; )-"
    R"-(23 "Generator Oil Pressure"; 24 "Generator Coolant Temperature"; )-"
    R"-(25 "Air Conditioner System #2"; 26 "Estimated Percent Fan Speed"; )-"
    R"-(27 "% Exhaust Gas Recirc Valve Pos"; 28 "% Accelerator Position #3"; )-"
    R"-(29 "% Accelerator Position #2"; 30 "Crankcase Blow-by Pressure"; )-"
    R"-(31 "Transmission Range Position"; 32 "Transmission Splitter Position"; )-"
    R"-(33 "Clutch Cylinder Position"; 34 "Clutch Cylinder Actuator"; )-"
    R"-(35 "Shift Finger Actuator #2"; 36 "Clutch Plates Wear Condition"; )-"
    R"-(37 "Transmission Tank Air Pressure"; 38 "Second Fuel Level (Right Side)"; )-"
    R"-(39 "Tire Pressure Check Interval"; 40 "Engine Retarder Switches"; )-"
    R"-(41 "Cruise Control Switches Status"; 42 "Pressure Switch Status"; )-"
    R"-(43 "Ignition Switch Status"; 44 "Warning Indicator Lamps"; )-"
    R"-(45 "Inlet Air Heater Status"; 46 "Vehicle Wet Tank Pressure"; 47 "Retarder Status"; )-"
    R"-(48 "Ext. Range Barometric Pressure"; 49 "ABS Control Status"; )-"
    R"-(50 "A/C System Clutch Status #1"; 51 "Throttle Position"; )-"
    R"-(52 "Engine Intercooler Temperature"; 53 "Transmission Synchro Clutch"; )-"
    R"-(54 "Transmission Synchro Brake"; 55 "Shift Finger Positional Status"; )-"
    R"-(56 "Transmission Range Switch"; 57 "Transmission Actuator #2"; )-"
    R"-(58 "Shift Finger Actuator Status"; 59 "Shift Finger Gear Position"; )-"
    R"-(60 "Shift Finger Rail Position"; 61 "Parking Brake Actuator Status"; )-"
    R"-(62 "Retarder Inhibit Status"; 63 "Transmission Actuator #1"; )-"
    R"-(64 "Direction Switch Status"; 65 "Service Brake Switch Status"; )-"
    R"-(66 "Vehicle Enabling Component"; 67 "Shift Request Switch Status"; )-"
    R"-(68 "Torque Limiting Factor"; 69 "Two Speed Axle Switch Status"; )-"
    R"-(70 "Parking Brake Switch Status"; 71 "Idle Shutdown Timer Status"; )-"
    R"-(72 "Blower Bypass Value Position"; 73 "Lift Pump"; 74 "Maximum Road Speed Limit"; )-"
    R"-(75 "Steering Axle Temperature"; 76 "Axle Lift Air Pressure"; )-"
    R"-(77 "Forward Rear Drive Axle Temp"; 78 "Rear Rear-Drive Axle Temp"; )-"
    R"-(79 "Road Surface Temperature"; 80 "Washer Fluid Level"; )-"
    R"-(81 "Particulate Trap Inlet Prssr"; 82 "Air Start Pressure"; )-"
    R"-(83 "Road Speed Limit Status"; 84 "Road Speed"; 85 "Cruise Control Status"; )-"
    R"-(86 "Cruise Control Set Speed"; 87 "Cruise Control High-Set Limit"; )-"
    R"-(88 "Cruise Control Low-Set Limit"; 89 "Power Takeoff Status"; )-"
    R"-(90 "PTO Oil Temperature"; 91 "Accelerator Pedal Position"; 92 "Percent Engine Load"; )-"
    R"-(93 "Output Torque"; 94 "Fuel Delivery Pressure"; 95 "Fuel Filter Differential Prssr"; )-"
    R"-(96 "Fuel Level"; 97 "Water in Fuel Indicator"; 98 "Engine Oil Level"; )-"
    R"-(99 "Engine Oil Filter Diff Prssr"; 100 "Engine Oil Pressure"; )-"
    R"-(101 "Crankcase Pressure"; 102 "Boost Pressure"; 103 "Turbo Speed"; )-"
    R"-(104 "Turbo Oil Pressure"; 105 "Intake Manifold Temperature"; )-"
    R"-(106 "Air Inlet Pressure"; 107 "Air Filter Differential Prssr"; )-"
    R"-(108 "Barometric Pressure"; 109 "Coolant Pressure"; 110 "Engine Coolant Temperature"; )-"
    R"-(111 "Coolant Level"; 112 "Coolant Filter Diff. Prssr"; 113 "Governor Droop"; )-"
    R"-(114 "Net Battery Current"; 115 "Alternator Current"; )-"
    R"-(116 "Brake Application Pressure"; 117 "Brake Primary Pressure"; )-"
    R"-(118 "Brake Secondary Pressure"; 119 "Hydraulic Retarder Pressure"; )-"
    R"-(120 "Hydraulic Retarder Oil Temp"; 121 "Engine Retarder Status"; )-"
    R"-(122 "Engine Retarder Percent"; 123 "Clutch Pressure"; 124 "Transmission Oil Level"; )-"
    R"-(125 "Transmission Oil Level"; 126 "Transmission Filter Diff. Prss"; )-"
    R"-(127 "Transmission Oil Pressure"; 128 "Component-specific request"; )-"
    R"-(129 "Injector Metering Rail #2 Prss"; 130 "Power Specific Fuel Economy"; )-"
    R"-(131 "Exhaust Back Pressure"; 132 "Mass Air Flow"; 133 "Average Fuel Rate"; )-"
    R"-(134 "Wheel Speed Sensor Status"; 135 "Fuel Delivery Pressure"; )-"
    R"-(136 "Auxiliary Vacuum Pressure"; 137 "Auxiliary Gage Pressure #1"; )-"
    R"-(138 "Auxiliary Absolute Pressure"; 139 "Tire Pressure Control System"; )-"
    R"-(140 "Tire Pressure Control Solenoid"; 141 "Tire Pressure Target"; )-"
    R"-(142 "Drive Tire Pressure Target"; 143 "Steer Tire Pressure Target"; )-"
    R"-(144 "Tire Pressure"; 145 "Drive Channel Tire Pressure"; )-"
    R"-(146 "Steer Channel Tire Pressure"; 147 "Average Fuel Economy"; )-"
    R"-(148 "Instantaneous Fuel Economy"; 149 "Fuel Mass Flow Rate"; )-"
    R"-(150 "PTO Engagement Control Status"; 151 "ATC Control Status"; )-"
    R"-(152 "Number of ECU Resets"; 153 "Crankcase Pressure"; )-"
    R"-(154 "Auxiliary Input and Output #2"; 155 "Auxiliary Input and Output #1"; )-"
    R"-(156 "Injector Timing Rail Pressure"; 157 "Injector Metering Rail Press"; )-"
    R"-(158 "Battery Potential"; 159 "Gas Supply Pressure"; 160 "Main Shaft Speed"; )-"
    R"-(161 "Input Shaft Speed"; 162 "Transmission Range Selected"; )-"
    R"-(163 "Transmission Range Attained"; 164 "Injection Control Pressure"; )-"
    R"-(165 "Compass Bearing"; 166 "Rated Engine Power"; 167 "Alternator Potential"; )-"
    R"-(168 "Battery Potential"; 169 "Cargo Ambient Temperature"; )-"
    R"-(170 "Cab Interior Temperature"; 171 "Ambient Air Temperature"; )-"
    R"-(172 "Air Inlet Temperature"; 173 "Exhaust Gas Temperature"; 174 "Fuel Temperature"; )-"
    R"-(175 "Engine Oil Temperature"; 176 "Turbo Oil Temperature"; )-"
    R"-(177 "Transmission Oil Temperature"; 178 "Front Axle Weight"; 179 "Rear Axle Weight"; )-"
    R"-(180 "Trailer Weight"; 181 "Cargo Weight"; 182 "Trip Fuel"; 183 "Fuel Rate"; )-"
    R"-(184 "Instantaneous Fuel Economy"; 185 "Average Fuel Economy"; )-"
    R"-(186 "Power Takeoff Speed"; 187 "Power Takeoff Set Speed"; 188 "Idle Engine Speed"; )-"
    R"-(189 "Rated Engine Speed"; 190 "Engine Speed"; 191 "Transmission Output Shaft Spd"; )-"
    R"-(192 "Multisection Parameter"; 193 "Transmitter System Diagnostic"; )-"
    R"-(194 "Transmitter System Diagnostic"; 195 "Diagnostic Data"; 196 "Diagnostic Data"; )-"
    R"-(197 "Connection Management"; 198 "Connection Mode Data Transfer"; )-"
    R"-(199 "Traction Control Disable State"; 218 "State Line Crossing"; )-"
    R"-(219 "Current State and Country"; 220 "Engine Torque History"; )-"
    R"-(221 "Anti-theft Request"; 222 "Anti-theft Status"; 223 "Auxiliary A/D Counts"; )-"
    R"-(224 "Immobilizer Security Code"; 228 "Speed Sensor Calibration"; )-"
    R"-(229 "Total Fuel Used"; 230 "Total Idle Fuel Used"; 231 "Trip Fuel"; )-"
    R"-(232 "DGPS Differential Correction"; 233 "Unit Number"; 234 "Software Identification"; )-"
    R"-(235 "Total Idle Hours"; 236 "Total Idle Fuel Used"; )-"
    R"-(237 "Vehicle Identification Number"; 238 "Velocity Vector"; 239 "Vehicle Position"; )-"
    R"-(240 "Change Reference Number"; 241 "Tire Pressure"; 242 "Tire Temperature"; )-"
    R"-(243 "Component Identification"; 244 "Trip Distance"; 245 "Total Vehicle Distance"; )-"
    R"-(246 "Total Vehicle Hours"; 247 "Total Engine Hours"; 248 "Total PTO Hours"; )-"
    R"-(249 "Total Engine Revolutions"; 250 "Total Fuel Used"; 251 "Clock"; 252 "Date"; )-"
    R"-(253 "Elapsed Time"; 256 "Parameter Request"; 257 "Cold Restart Request"; )-"
    R"-(258 "Warm Restart Request"; 259 "Component Restart"; 351 "Turbo Inlet Temperature"; )-"
    R"-(354 "Humidity Sensor"; 362 "EGR Valve #2 Position"; )-"
    R"-(363 "Hydraulic Retarder Control Prs"; 364 "HVAC Unit Discharge Temp"; )-"
    R"-(365 "Weighing System Status"; 366 "Engine Oil Level"; )-"
    R"-(367 "Lane Tracking System Status"; 368 "Lane Departure Indication"; )-"
    R"-(369 "Distance to Rear Object"; 370 "Trailer Pnmtc Brake Control Pr"; )-"
    R"-(371 "Trailer Pnmtc Supply Line Prsr"; 372 "Remote Accelerator"; )-"
    R"-(373 "Center Rear Drive Axle Temp"; 374 "Alternator AC Voltage"; )-"
    R"-(375 "Fuel Return Pressure"; 376 "Fuel Pump Inlet Vacuum"; )-"
    R"-(377 "Compression Unbalance"; 383 "Vehicle Acceleration"; )-"
    R"-(404 "Turbo Outlet Temperature"; 411 "EGR Gas Differential Pressure"; )-"
    R"-(412 "EGR Exhaust Gas Temperature"; 419 "Starter Circuit Resistance"; )-"
    R"-(420 "Starter Current (Average)"; 421 "Alternator Neg. Cable Voltage"; )-"
    R"-(422 "Auxiliary Current"; 423 "Ext Net Battery Current"; 424 "DC Voltage"; )-"
    R"-(425 "Auxiliary Frequency"; 426 "Alternator Field Voltage"; )-"
    R"-(427 "Battery Resistance Change"; 428 "Battery Internal Resistance"; )-"
    R"-(429 "Starter Current Peak"; 430 "Starter Solenoid Voltage"; )-"
    R"-(431 "Starter Negative Cable Voltage"; 432 "Starter Motor Voltage"; )-"
    R"-(433 "Fuel Shutoff Solenoid Voltage"; 434 "AC Voltage"; )-"
    R"-(436 "Trip Sudden Decelerations"; 439 "Boost Pressure #1"; 440 "Boost Pressure #2"; )-"
    R"-(441 "Auxiliary Temperature #1"; 442 "Auxiliary Temperature #2"; )-"
    R"-(443 "Auxiliary Gage Pressure #2"; 444 "Battery #2 Voltage"; )-"
    R"-(445 "Cylinder Head Temperature B"; 446 "Cylinder Head Temperature A"; )-"
    R"-(524 "Transmission Select Gear"; 558 "Accelerator Pedal"; 592 "Shutdown Timer"; )-"
    R"-(593 "Shutdown Timer"; 596 "Cruise Enable Switch"; 597 "Brake Switch"; )-"
    R"-(598 "Clutch Switch"; 599 "Cruise Set Switch"; 600 "Cruise Coast Switch"; )-"
    R"-(601 "Cruise Resume Switch"; 602 "Cruise Accelerate Switch"; )-"
    R"-(603 "Brake Pedal Switch #2"; 612 "Mag Speed Signal"; 626 "Ether Injector"; )-"
    R"-(627 "Injector Power"; 629 "ECM Internal"; 630 "Calibration Memory"; )-"
    R"-(631 "Calibration Mod"; 632 "Fuel Shtoff Valve"; 633 "Injector Valve"; )-"
    R"-(635 "Timing Actuator"; 637 "Timing Sensor"; 639 "J1939 Data Link"; )-"
    R"-(640 "Shutdown Command"; 641 "VGT Driver Temperature"; 644 "External Speed Input"; )-"
    R"-(647 "Fan Control"; 651 "Injector Driver 1"; 652 "Injector Driver 2"; )-"
    R"-(653 "Injector Driver 3"; 654 "Injector Driver 4"; 655 "Injector Driver 5"; )-"
    R"-(656 "Injector Driver 6"; 677 "Starter Driver"; 678 "ECU 8 Volt Supply"; )-"
    R"-(697 "Aux PWM Driver"; 703 "Aux IO Circuit 3"; 706 "Aux IO Circuit 6"; )-"
    R"-(707 "Aux IO Circuit 7"; 723 "Camshaft Alignment"; 729 "Intake Heater"; )-"
    R"-(973 "Retarder Select"; 974 "Remote Accelerator Pedal"; 975 "Fan Speed"; )-"
    R"-(979 "Remote PTO Switch"; 980 "PTO Enable Switch"; 982 "PTO Resume Switch"; )-"
    R"-(984 "PTO Set Switch"; 986 "Fan Speed Percent"; 1072 "Brake Driver 1"; )-"
    R"-(1073 "Brake Driver 2"; 1075 "Fuel Lift Pump"; 1110 "Engine Shutdown"; )-"
    R"-(1112 "Brake Driver 3"; 1136 "ECM Temperature"; 1172 "Turbo Inlet Temperature"; )-"
    R"-(1209 "Exhaust Pressure"; 1237 "Shutdown Override"; 1244 "Fuel Driver 2"; )-"
    R"-(1245 "Timing Driver 2"; 1267 "Accessory Relay"; 1347 "Fuel Pump 1 Pressure"; )-"
    R"-(1349 "Injector 2 Pressure"; 1378 "Oil Change Schedule"; )-"
    R"-(1388 "Aux Pressure Sensor #2"; 1590 "Adaptive Cruise Control"; )-"
    R"-(1633 "Cruise Pause Switch"; 1845 "Transmission Torque"; 2623 "Accelerator Pedal"; )-"
    R"-(2629 "Turbo Outlet Temperature"; 2789 "Turbo Inlet Temperature"; )-"
    R"-(2791 "EGR Valve Control"; 2797 "Injector Codes"; 2813 "Air Shutoff"; )-"
    R"-(2900 "Transmission Crank"; 2948 "Intake Oil Pressure"; 2949 "Intake Oil Pressure"; )-"
    R"-(2950 "Intake Actuator #1"; 2951 "Intake Actuator #2"; 2952 "Intake Actuator #3"; )-"
    R"-(2953 "Intake Actuator #4"; 2954 "Intake Actuator #5"; 2955 "Intake Actuator #6"; )-"
    R"-(3050 "DPF Efficiency"; 3058 "EGR System"; 3064 "No DPF Trap"; )-"
    R"-(3241 "DPF Exhaust Temp #1"; 3242 "DPF Intake Temp #1"; 3245 "DPF Exhaust Temp #3"; )-"
    R"-(3246 "DPF Outlet Temp #1"; 3249 "DPF Exhaust Temp #2"; 3251 "DPF Filter Pressure"; )-"
    R"-(3276 "DPF Intake Temp #2"; 3280 "DPF Outlet Temp #2"; 3285 "DPF Pressure #2"; )-"
    R"-(3363 "SCR Tank Heater"; 3473 "DPF #1 Ignition"; 3474 "DPF #1 Combustion"; )-"
    R"-(3479 "DPF #1 Fuel Pressure"; 3480 "DPF Fuel Pressure"; 3481 "DPF Fuel Rate"; )-"
    R"-(3482 "DPF Fuel Valve #1"; 3484 "DPF #1 Ignition"; 3486 "DPF #1 Air Pressure"; )-"
    R"-(3487 "DPF #1 Air Pressure"; 3490 "DPF #1 Purge Valve"; 3494 "DPF #2 Fuel Pressure"; )-"
    R"-(3509 "Sensor 1 Circuit"; 3510 "Sensor 2 Circuit"; 3511 "Sensor 3 Circuit"; )-"
    R"-(3512 "Sensor 4 Circuit"; 3513 "Sensor 5 Circuit"; 3530 "DPF #1 Regen"; )-"
    R"-(3532 "SCR Tank Level Status"; 3555 "Altitude"; 3556 "DPF Injector"; )-"
    R"-(3597 "ECU DC Output 1"; 3598 "ECU DC Output 2"; 3659 "Cylinder 1 Actuator #2"; )-"
    R"-(3660 "Cylinder 2 Actuator #2"; 3661 "Cylinder 3 Actuator #2"; )-"
    R"-(3662 "Cylinder 4 Actuator #2"; 3663 "Cylinder 5 Actuator #2"; )-"
    R"-(3664 "Cylinder 6 Actuator #2"; 3695 "Regen Inhibit Switch"; )-"
    R"-(3696 "Regen Force Switch"; 3703 "DPF Inhibited"; 3711 "DPF Inhibited"; )-"
    R"-(3714 "DPF Inhibited"; 3719 "DPF 1 Soot Load"; 3830 "DPF 1 Pressure 2"; )-"
    R"-(3832 "DPF 1 Air Flow 2"; 4097 "DPF Fuel Drain"; )-";

// Subsystems every controller names alike.
const char* const kCommonSubsystemList =
    R"-(216 "Other ECUs Reporting Faults"; 217 "Anti-theft Start Inhibit"; )-"
    R"-(218 "ECM Main Relay"; 219 "Start Signal Indicator"; 220 "Tractor/Trailer Interface"; )-"
    R"-(221 "Internal Sensor Voltage Supply"; 222 "Protect Lamp"; 223 "Ambient Light Sensor"; )-"
    R"-(224 "Audible Alarm"; 225 "Green Lamp"; 226 "Transmission Neutral Switch"; )-"
    R"-(227 "Auxiliary Analog Input #1"; 228 "High Side Refrigerant Pressure"; )-"
    R"-(229 "Kickdown Switch"; 230 "Idle Validation Switch"; 231 "SAE J1939 Data Link"; )-"
    R"-(232 "5 Volts DC Supply"; 233 "Controller #2"; 234 "Parking Brake On Actuator"; )-"
    R"-(235 "Parking Brake Off Actuator"; 236 "Power Connect Device"; )-"
    R"-(237 "Start Enable Device"; 238 "Diagnostic Lamp Red"; 239 "Diagnostic Light Amber"; )-"
    R"-(240 "Program Memory"; 242 "Cruise Control Resume Switch"; )-"
    R"-(243 "Cruise Control Set Switch"; 244 "Cruise Control Enable Switch"; )-"
    R"-(245 "Clutch Pedal Switch #1"; 246 "Brake Pedal Switch #1"; )-"
    R"-(247 "Brake Pedal Switch #2"; 248 "Proprietary Data Link"; 249 "SAE J1922 Data Link"; )-"
    R"-(250 "SAE J1708 (J1587) Data Link"; 251 "Power Supply"; 252 "Calibration Module"; )-"
    R"-(253 "Calibration Memory"; 254 "Controller #1"; )-";

// Engine subsystems (MID 128).
const char* const kEngineSubsystemList =
    R"-(1 "Injector Cylinder #1"; 2 "Injector Cylinder #2"; 3 "Injector Cylinder #3"; )-"
    R"-(4 "Injector Cylinder #4"; 5 "Injector Cylinder #5"; 6 "Injector Cylinder #6"; )-"
    R"-(7 "Injector Cylinder #7"; 8 "Injector Cylinder #8"; 9 "Injector Cylinder #9"; )-"
    R"-(10 "Injector Cylinder #10"; 11 "Injector Cylinder #11"; 12 "Injector Cylinder #12"; )-"
    R"-(13 "Injector Cylinder #13"; 14 "Injector Cylinder #14"; 15 "Injector Cylinder #15"; )-"
    R"-(16 "Injector Cylinder #16"; 17 "Fuel Shutoff Valve"; 18 "Fuel Control Valve"; )-"
    R"-(19 "Throttle Bypass Valve"; 20 "Timing Actuator"; 21 "Engine Position Sensor"; )-"
    R"-(22 "Timing Sensor"; 23 "Rack Actuator"; 24 "Rack Position Sensor"; )-"
    R"-(25 "Ext. Engine Protection Input"; 26 "Aux. Output Device Driver #1"; )-"
    R"-(27 "Var. Geom. Turbo Actuator #1"; 28 "Var. Geom. Turbo Actuator #2"; )-"
    R"-(29 "External Fuel Command Input"; 30 "External Speed Command Input"; )-"
    R"-(31 "Tachometer Signal Output"; 32 "Turbo #1 Wastegate Drive"; )-"
    R"-(33 "Fan Clutch Output Dev. Driver"; 34 "Exhaust Back Pressure Sensor"; )-"
    R"-(35 "Exhaust Prssr Regltr Solenoid"; 36 "Glow Plug Lamp"; )-"
    R"-(37 "Elec. Drive Unit Power Relay"; 38 "Glow Plug Relay"; )-"
    R"-(39 "Engine Starter Motor Relay"; 40 "Auxiliary Output Dev Driver #2"; )-"
    R"-(41 "ECM 8 Volts DC Supply"; 42 "Injection Cntrl Prsr Regulator"; )-"
    R"-(43 "Autoshift High Gear Actuator"; 44 "Autoshift Low Gear Actuator"; )-"
    R"-(45 "Autoshift Neutral Actuator"; 46 "Autoshift Common Low Side"; )-"
    R"-(47 "Injector Cylinder #17"; 48 "Injector Cylinder #18"; 49 "Injector Cylinder #19"; )-"
    R"-(50 "Injector Cylinder #20"; 51 "Auxiliary Output Dev Driver #3"; )-"
    R"-(52 "Auxiliary Output Dev Driver #4"; 53 "Auxiliary Output Dev Driver #5"; )-"
    R"-(54 "Auxiliary Output Dev Driver #6"; 55 "Auxiliary Output Dev Driver #7"; )-"
    R"-(56 "Auxiliary Output Dev Driver #8"; 57 "Auxiliary PWM Driver #1"; )-"
    R"-(58 "Auxiliary PWM Driver #2"; 59 "Auxiliary PWM Driver #3"; )-"
    R"-(60 "Auxiliary PWM Driver #4"; 61 "Variable Swirl System Valve"; )-"
    R"-(62 "Prestroke Sensor"; 63 "Prestroke Actuator"; 64 "Engine Speed Sensor #2"; )-"
    R"-(65 "Heated Oxygen Sensor"; 66 "Ignition Control Mode Signal"; )-"
    R"-(67 "Ignition Control Timing Signal"; 68 "Secondary Turbo Inlet Pressure"; )-"
    R"-(69 "After-Cooler Coolant Temp"; 70 "Inlet Air Heater Driver #1"; )-"
    R"-(71 "Inlet Air Heater Driver #2"; 72 "Injector Cylinder #21"; )-"
    R"-(73 "Injector Cylinder #22"; 74 "Injector Cylinder #23"; 75 "Injector Cylinder #24"; )-"
    R"-(76 "Knock Sensor"; 77 "Gas Metering Valve"; 78 "Fuel Supply Pump Actuator"; )-"
    R"-(79 "Engine Brake Output #1"; 80 "Engine Brake Output #2"; )-"
    R"-(81 "Engine (Exhaust) Brake Output"; 82 "Engine Brake Output #3"; )-"
    R"-(83 "Fuel Control Valve #2"; 84 "Timing Actuator #2"; 85 "Engine Oil Burn Valve"; )-"
    R"-(86 "Engine Oil Replacement Valve"; 87 "Idle Shutdown Relay Driver"; )-"
    R"-(88 "Turbo #2 Wastegate Drive"; 89 "Air Comp. Actuator Circuit"; )-"
    R"-(90 "Engine Cylinder #1 Knock Sensr"; 91 "Engine Cylinder #2 Knock Sensr"; )-"
    R"-(92 "Engine Cylinder #3 Knock Sensr"; 93 "Engine Cylinder #4 Knock Sensr"; )-"
    R"-(94 "Engine Cylinder #5 Knock Sensr"; 95 "Engine Cylinder #6 Knock Sensr"; )-"
    R"-(96 "Engine Cylinder #7 Knock Sensr"; 97 "Engine Cylinder #8 Knock Sensr"; )-"
    R"-(98 "Engine Cylinder #9 Knock Sensr"; 99 "Engine Cylinder #10 Knock Snsr"; )-"
    R"-(100 "Engine Cylinder #11 Knock Snsr"; 101 "Engine Cylinder #12 Knock Snsr"; )-"
    R"-(102 "Engine Cylinder #13 Knock Snsr"; 103 "Engine Cylinder #14 Knock Snsr"; )-"
    R"-(104 "Engine Cylinder #15 Knock Snsr"; 105 "Engine Cylinder #16 Knock Snsr"; )-"
    R"-(106 "Engine Cylinder #17 Knock Snsr"; 107 "Engine Cylinder #18 Knock Snsr"; )-"
    R"-(108 "Engine Cylinder #19 Knock Snsr"; 109 "Engine Cylinder #20 Knock Snsr"; )-"
    R"-(110 "Engine Cylinder #21 Knock Snsr"; 111 "Engine Cylinder #22 Knock Snsr"; )-"
    R"-(112 "Engine Cylinder #23 Knock Snsr"; 113 "Engine Cylinder #24 Knock Snsr"; )-"
    R"-(114 "Multiple Unit Synchro Switch"; 115 "Engine Oil Change Interval"; )-"
    R"-(116 "Engine was Shut Down Hot"; 117 "Engine Shut Down by Data Link"; )-"
    R"-(129 "Exhaust Temp  #1 Sensor Volts"; 130 "Exhaust Temp  #2 Sensor Volts"; )-"
    R"-(131 "Exhaust Temp  #3 Sensor Volts"; 132 "Exhaust Temp  #4 Sensor Volts"; )-"
    R"-(133 "Exhaust Temp  #5 Sensor Volts"; 134 "Exhaust Temp  #6 Sensor Volts"; )-"
    R"-(135 "Exhaust Temp  #7 Sensor Volts"; 136 "Exhaust Temp  #8 Sensor Volts"; )-"
    R"-(137 "Exhaust Temp  #9 Sensor Volts"; 138 "Exhaust Temp #10 Sensor Volts"; )-"
    R"-(139 "Exhaust Temp #11 Sensor Volts"; 140 "Exhaust Temp #12 Sensor Volts"; )-"
    R"-(141 "Exhaust Temp #13 Sensor Volts"; 142 "Exhaust Temp #14 Sensor Volts"; )-"
    R"-(143 "Exhaust Temp #15 Sensor Volts"; 144 "Exhaust Temp #16 Sensor Volts"; )-"
    R"-(146 "EGR Valve"; 147 "VNT Vanes / EGR"; )-";

// Transmission subsystems (MID 130).
const char* const kTransmissionSubsystemList =
    R"-(1 "C1 Solenoid Valve"; 2 "C2 Solenoid Valve"; 3 "C3 Solenoid Valve"; )-"
    R"-(4 "C4 Solenoid Valve"; 5 "C5 Solenoid Valve"; 6 "C6 Solenoid Valve"; )-"
    R"-(7 "Lockup Solenoid Valve"; 8 "Forward Solenoid Valve"; 9 "Low Signal Solenoid Valve"; )-"
    R"-(10 "Retarder Enable Solenoid Valve"; 11 "Retarder Modulation Sol. Valve"; )-"
    R"-(12 "Retarder Response Solenoid Vlv"; 13 "Differential Lock Solenoid Vlv"; )-"
    R"-(14 "Engine/Transmission Match"; 15 "Retarder Modulation Rqst Sensr"; )-"
    R"-(16 "Neutral Start Output"; 17 "Turbine Speed Sensor"; 18 "Primary Shift Selector"; )-"
    R"-(19 "Secondary Shift Selector"; 20 "Special Function Inputs"; )-"
    R"-(21 "C1 Clutch Pressure Indicator"; 22 "C2 Clutch Pressure Indicator"; )-"
    R"-(23 "C3 Clutch Pressure Indicator"; 24 "C4 Clutch Pressure Indicator"; )-"
    R"-(25 "C5 Clutch Pressure Indicator"; 26 "C6 Clutch Pressure Indicator"; )-"
    R"-(27 "Lockup Clutch Prssr Indicator"; 28 "Forward Range Prssr Indicator"; )-"
    R"-(29 "Neutral Range Prssr Indicator"; 30 "Reverse Range Prssr Indicator"; )-"
    R"-(31 "Retarder Response Prsr Indctr"; 32 "Diff. Lock Clutch Prsr Indctr"; )-"
    R"-(33 "Multiple Pressure Indicators"; 34 "Reverse Switch"; 35 "Range High Actuator"; )-"
    R"-(36 "Range Low Actuator"; 37 "Splitter Direct Actuator"; )-"
    R"-(38 "Splitter Indirect Actuator"; 39 "Shift Finger Rail Actuator 1"; )-"
    R"-(40 "Shift Finger Gear Actuator 1"; 41 "Upshift Request Switch"; )-"
    R"-(42 "Downshift Request Switch"; 43 "Torque Cnvrtr Intrrpt Actuator"; )-"
    R"-(44 "Torque Cnvrtr Lockup Actuator"; 45 "Range High Indicator"; )-"
    R"-(46 "Range Low Indicator"; 47 "Shift Finger Neutral Indicator"; )-"
    R"-(48 "Shift Finger Engagement Indctr"; 49 "Shift Finger Center Rail Indct"; )-"
    R"-(50 "Shift Finger Rail Actuator 2"; 51 "Shift Finger Gear Actuator 2"; )-"
    R"-(52 "Hydraulic System"; 53 "Defuel Actuator"; 54 "Inertia Brake Actuator"; )-"
    R"-(55 "Clutch Actuator"; 56 "Auxiliary Range Mech. System"; )-"
    R"-(57 "Shift Console Data Link"; 58 "Main Box Shift Engagement Sys."; )-"
    R"-(59 "Main Box Rail Selection System"; 60 "Main Box Shift Neutralztn Sys."; )-"
    R"-(61 "Aux Splitter Mechanical System"; )-";

// Brake subsystems (MIDs 136 to 139).
const char* const kBrakeSubsystemList =
    R"-(1 "Wheel Sensor ABS Axle 1 Left"; 2 "Wheel Sensor ABS Axle 1 Right"; )-"
    R"-(3 "Wheel Sensor ABS Axle 2 Left"; 4 "Wheel Sensor ABS Axle 2 Right"; )-"
    R"-(5 "Wheel Sensor ABS Axle 3 Left"; 6 "Wheel Sensor ABS Axle 3 Right"; )-"
    R"-(7 "Prssr Valve ABS Axle 1 Left"; 8 "Prssr Valve ABS Axle 1 Right"; )-"
    R"-(9 "Prssr Valve ABS Axle 2 Left"; 10 "Prssr Valve ABS Axle 2 Right"; )-"
    R"-(11 "Prssr Valve ABS Axle 3 Left"; 12 "Prssr Valve ABS Axle 3 Right"; )-"
    R"-(13 "Retarder Control Relay"; 14 "Relay Diagonal 1"; 15 "Relay Diagonal 2"; )-"
    R"-(16 "Mode Switch ABS"; 17 "Mode Switch ASR"; 18 "DIFcase  1 ASR Valve"; )-"
    R"-(19 "DIF 2 ASR Valve"; 20 "Pneumatic Engine Control"; 21 "Engine Servomotor Control"; )-"
    R"-(22 "Speed Signal Input"; 23 "Warning Light Bulb"; 24 "ASR Light Bulb"; )-"
    R"-(25 "Wheel Sensor, ABS Axle 1 Ave."; 26 "Wheel Sensor, ABS Axle 2 Ave."; )-"
    R"-(27 "Wheel Sensor, ABS Axle 3 Ave."; 28 "Prs Mdltr Drive Axle Relay Vlv"; )-"
    R"-(29 "Prs Trnsducer Drive Axle Relay"; 30 "Master Control Relay"; )-"
    R"-(31 "Trlr Brake Slack Frwrd Axle Lt"; 32 "Trlr Brake Slack Frwrd Axle Rt"; )-"
    R"-(33 "Trlr Brake Slack Rear Axle Lft"; 34 "Trlr Brake Slack Rear Axle Rt"; )-"
    R"-(35 "Trtr Brake Slack Axle 1 Left"; 36 "Trlr Brake Slack Axle 1 Right"; )-"
    R"-(37 "Trlr Brake Slack Axle 2 Left"; 38 "Trlr Brake Slack Axle 2 Right"; )-"
    R"-(39 "Trlr Brake Slack Axle 3 Left"; 40 "Trlr Brake Slack Axle 3 Right"; )-"
    R"-(41 "Ride Height Relay"; 42 "Hold Mdltr Valve Solnd Ax#1 Lt"; )-"
    R"-(43 "Hold Mdltr Valve Solnd Ax#1 Rt"; 44 "Hold Mdltr Valve Solnd Ax#2 Lt"; )-"
    R"-(45 "Hold Mdltr Valve Solnd Ax#2 Rt"; 46 "Hold Mdltr Valve Solnd Ax#3 Lt"; )-"
    R"-(47 "Hold Mdltr Valve Solnd Ax#3 Rt"; 48 "Dump Mdltr Valve Solnd Ax#1 Lt"; )-"
    R"-(49 "Hold Mdltr Valve Solnd Ax#1 Rt"; 50 "Hold Mdltr Valve Solnd Ax#2 Lt"; )-"
    R"-(51 "Hold Mdltr Valve Solnd Ax#2 Rt"; 52 "Hold Mdltr Valve Solnd Ax#3 Lt"; )-"
    R"-(53 "Hold Mdltr Valve Solnd Ax#3 Rt"; 54 "Hydraulic Pump Motor"; )-"
    R"-(55 "Brake Light Switch 1"; 56 "Brake Light Switch 2"; )-"
    R"-(57 "Elect. Pressure Control Axle 1"; 58 "Pneum. Pressure Control Axle 1"; )-"
    R"-(59 "Brake Pressure Sensing, Axle 1"; 60 "Elect. Pressure Control Axle 2"; )-"
    R"-(61 "Pneum. Pressure Control Axle 2"; 62 "Brake Pressure Sensing, Axle 2"; )-"
    R"-(63 "Elect. Pressure Control Axle 3"; 64 "Pneum. Back-up Pressure Axle 3"; )-"
    R"-(65 "Brake Pressure Sensing, Axle 3"; 66 "Elect. Prssr Control - Trailer"; )-"
    R"-(67 "Pneum. Prssr Control - Trailer"; 68 "Brake Prssr Sensing - Trailer"; )-"
    R"-(69 "Axle Load Sensor"; 70 "Lining Wear Sensor, Axle 1 Lt"; )-"
    R"-(71 "Lining Wear Sensor, Axle 1 Rt"; 72 "Lining Wear Sensor, Axle 2 Lt"; )-"
    R"-(73 "Lining Wear Sensor, Axle 2 Rt"; 74 "Lining Wear Sensor, Axle 3 Lt"; )-"
    R"-(75 "Lining Wear Sensor, Axle 3 Rt"; 76 "Brake Signal Transmitter"; )-"
    R"-(77 "Brake Signal Sensor 1"; 78 "Brake Signal Sensor 2"; )-"
    R"-(79 "Tire Dimension Supervision"; 80 "Vehicle Deceleration Control"; )-";

// How many listed keys lie in [first, last].
std::size_t CountIn(const NameList& names, std::uint32_t first, std::uint32_t last) {
    std::size_t count = 0;
    for (const auto& entry : names) {
        count += entry.first >= first && entry.first <= last;
    }
    return count;
}

// Checks every SID below 512 of the MID against the list that applies to it.
void ExpectSubsystems(std::uint8_t mid, const NameList& own, const NameList& common) {
    for (std::uint32_t sid = 0; sid < 512; ++sid) {
        const NameList& list = sid >= 216 ? common : own;
        auto found = list.find(sid);
        const std::string expected = found == list.end() ? kUnknown : Padded(found->second, 30);
        ASSERT_EQ(FaultNames::Subsystem(mid, sid), expected)
            << "MID " << int(mid) << " SID " << sid;
    }
}
}  // namespace

TEST(FaultNames, EveryListedComponentAndNoOther) {
    const NameList listed = Parse(kComponentList);
    EXPECT_EQ(CountIn(listed, 0, 255), 224u);
    EXPECT_EQ(CountIn(listed, 256, 511), 51u);
    EXPECT_EQ(CountIn(listed, 512, 65535), 133u);
    for (std::uint32_t code = 0; code < 70000; ++code) {
        auto found = listed.find(code);
        const std::string expected = found == listed.end() ? kUnknown : Padded(found->second, 30);
        ASSERT_EQ(FaultNames::Component(code), expected) << "code " << code;
    }
    EXPECT_EQ(FaultNames::Component(110), Padded("Engine Coolant Temperature", 30));
    // A large SPN is its own component, not a PID that wrapped around.
    EXPECT_EQ(FaultNames::Component(65536 + 110), kUnknown);
    EXPECT_EQ(FaultNames::Component(524287), kUnknown);
}

TEST(FaultNames, SubsystemsByTheReportingController) {
    const NameList common = Parse(kCommonSubsystemList);
    const NameList engine = Parse(kEngineSubsystemList);
    const NameList transmission = Parse(kTransmissionSubsystemList);
    const NameList brakes = Parse(kBrakeSubsystemList);
    EXPECT_EQ(common.size(), 38u);
    EXPECT_EQ(engine.size(), 135u);
    EXPECT_EQ(transmission.size(), 61u);
    EXPECT_EQ(brakes.size(), 80u);
    ExpectSubsystems(128, engine, common);
    ExpectSubsystems(130, transmission, common);
    for (std::uint8_t mid : {136, 137, 138, 139}) {
        ExpectSubsystems(mid, brakes, common);
    }
    for (std::uint8_t mid : {0, 129, 135, 140, 255}) {
        ExpectSubsystems(mid, {}, common);
    }
}

TEST(FaultNames, FailureModesFillSixteenColumns) {
    const char* const modes[] = {
        "High Reading",    "Low Reading",     "Invalid Data",    "High Voltage",
        "Low Voltage",     "Low Current",     "High Current",    "Not Responding",
        "Frequency Error", "Abnormal Update", "Abnormal Change", "Unknown Failure",
        "Bad Program",     "Calibratn Error", "Special Error",   "High Reading",
        "High Reading",    "Low Reading",     "Low Reading",     "Bad Network Data"};
    for (std::uint32_t fmi = 0; fmi < 256; ++fmi) {
        const std::string expected = fmi < 20 ? modes[fmi] : "UNKNOWN MODE";
        EXPECT_EQ(FaultNames::FailureMode(fmi), Padded(expected, 16)) << "FMI " << fmi;
    }
}
