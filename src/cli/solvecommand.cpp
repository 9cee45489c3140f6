// `tarvik-cli solve FILE [options]`: one engine call on a vehicle file,
// printed as one JSON object: the static pass with the camber-gain results
// per side, the moved pass when a dive or roll is given, and the texts the
// main window would show. Coordinates are layout inches with x positive
// toward the car's left side; angles are degrees.
#include "cli/solvecommand.h"

#include "cli/clioptions.h"
#include "core/geometry/engineinputbuilder.h"
#include "core/text/numbertext.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace tarvik::cli {

namespace {

using nlohmann::ordered_json;

ordered_json point(const LayoutPoint &p)
{
    return { { "x", static_cast<double>(p.x) }, { "y", static_cast<double>(p.y) } };
}

ordered_json staticSide(const SideSolution &d, double camberGain, double wheelRate)
{
    return {
        { "upper_ball_joint", point(d.upperBallJoint) },
        { "upper_frame_pivot", point(d.upperFramePivot) },
        { "lower_ball_joint", point(d.lowerBallJoint) },
        { "lower_frame_pivot", point(d.lowerFramePivot) },
        { "upper_spring_pad", point(d.upperSpringPad) },
        { "lower_spring_pad", point(d.lowerSpringPad) },
        { "instant_center", point(d.instantCenter) },
        { "contact_point", point(d.contactPoint) },
        { "king_pin_ground", point(d.kingPinGround) },
        { "knuckle_angle", d.knuckleAngle },
        { "king_pin_angle", d.kingPinAngle },
        { "spindle_angle", d.spindleAngle },
        { "scrub_radius", d.scrubRadius },
        { "upper_arm_length", d.upperArmLength },
        { "upper_arm_angle", d.upperArmAngle },
        { "lower_arm_length", d.lowerArmLength },
        { "lower_arm_angle", d.lowerArmAngle },
        { "spring_length", d.springLength },
        { "spring_angle", d.springAngle },
        { "wheel_rate", wheelRate },
        { "camber_gain", camberGain },
        { "static_camber", d.camber },
    };
}

ordered_json movedSide(const SideSolution &d, double springCompression)
{
    return {
        { "upper_ball_joint", point(d.upperBallJoint) },
        { "lower_ball_joint", point(d.lowerBallJoint) },
        { "instant_center", point(d.instantCenter) },
        { "contact_point", point(d.contactPoint) },
        { "knuckle_angle", d.knuckleAngle },
        { "dynamic_camber", d.camber },
        { "spring_compression", springCompression },
        { "king_pin_angle", d.kingPinAngle },
    };
}

std::string writeBackText(const EngineOutput &out, Entry entry)
{
    std::string text;
    for (const BoxWriteBack &w : out.writeBacks) {
        if (w.entry == entry) {
            text = w.text;
        }
    }
    return text;
}

ordered_json display(const EngineOutput &out)
{
    const Captions &c = out.captions;
    ordered_json d = {
        { "roll_center_height", c.rollCenterHeight },
        { "roll_center_side", c.rollCenterSide },
    };
    if (out.movedPass) {
        d["moved_roll_center_height"] = c.movedRollCenterHeight;
        d["moved_roll_center_side"] = c.movedRollCenterSide;
    }
    d["camber_gain_right"] = c.camberGain[kSideRight];
    d["camber_gain_left"] = c.camberGain[kSideLeft];
    d["gain_basis"] = c.gainBasis;
    d["status"] = c.status;
    const char *names[2] = { "right", "left" };
    for (int s = 0; s < 2; ++s) {
        d[std::string("king_pin_angle_") + names[s]] = c.kingPinAngle[s];
    }
    for (int s = 0; s < 2; ++s) {
        d[std::string("spindle_angle_") + names[s]] = c.spindleAngle[s];
    }
    for (int s = 0; s < 2; ++s) {
        d[std::string("scrub_radius_") + names[s]] = c.scrubRadius[s];
    }
    d["track_right"] = c.track[0];
    d["track_total"] = c.track[1];
    d["track_left"] = c.track[2];
    for (int s = 0; s < 2; ++s) {
        d[std::string("spring_length_") + names[s]] = c.springLength[s];
    }
    for (int s = 0; s < 2; ++s) {
        d[std::string("spring_angle_") + names[s]] = c.springAngle[s];
    }
    for (int s = 0; s < 2; ++s) {
        d[std::string("wheel_rate_") + names[s]] = c.wheelRate[s];
    }
    for (int s = 0; s < 2; ++s) {
        d[std::string("dynamic_camber_") + names[s]] = c.dynamicCamber[s];
    }
    for (int s = 0; s < 2; ++s) {
        d[std::string("spring_compression_") + names[s]] = c.springCompression[s];
    }
    // The arm-dimension boxes (length in the X column, angle in the Height one).
    for (int s = 0; s < 2; ++s) {
        const std::string side = names[s];
        d["upper_arm_length_" + side]
            = writeBackText(out, Entry::armDimension(s, kUpperArmDim, kColumnX));
        d["upper_arm_angle_" + side]
            = writeBackText(out, Entry::armDimension(s, kUpperArmDim, kColumnHeight));
        d["lower_arm_length_" + side]
            = writeBackText(out, Entry::armDimension(s, kLowerArmDim, kColumnX));
        d["lower_arm_angle_" + side]
            = writeBackText(out, Entry::armDimension(s, kLowerArmDim, kColumnHeight));
    }
    return d;
}

} // namespace

int runSolveCommand(const std::vector<std::string> &args)
{
    CliArgs cli;
    std::string message;
    if (!parseCliArgs(
            args, { "entry-mode", "dive", "roll", "gain-dive", "gain-roll" }, cli, message)) {
        return reportCliError("tarvik-cli solve: " + message);
    }
    Settings settings;
    double dive = 0;
    double roll = 0;
    if (!readSolveSettings(cli, settings, message) || !readNumberOption(cli, "dive", dive, message)
        || !readNumberOption(cli, "roll", roll, message)) {
        return reportCliError("tarvik-cli solve: " + message);
    }
    LayoutState layout;
    if (!loadMovedLayout(cli, dive, roll, layout, message)) {
        return reportCliError(message);
    }
    SolveOptions options;
    options.withScene = false;
    const EngineInput input = buildEngineInput(layout, settings, options);

    const EngineOutput out = runEngine(input);
    const PassSolution &st = out.staticPass;
    ordered_json json = {
        { "suspension_type", input.suspensionType == SuspensionType::Strut ? 1 : 0 },
        { "entry_mode", input.entryMode == EntryMode::LengthAndAngle ? "arm" : "xy" },
        { "layout_problem", out.layoutProblem },
        { "roll_center", point(st.rollCenter) },
        { "track",
            { { "right", st.side[kSideRight].contactDistance },
                { "left", st.side[kSideLeft].contactDistance },
                { "total",
                    st.side[kSideRight].contactDistance + st.side[kSideLeft].contactDistance } } },
        { "right",
            staticSide(
                st.side[kSideRight], out.camberGain[kSideRight], out.wheelRate[kSideRight]) },
        { "left",
            staticSide(st.side[kSideLeft], out.camberGain[kSideLeft], out.wheelRate[kSideLeft]) },
    };
    if (out.movedPass) {
        const PassSolution &mv = *out.movedPass;
        json["moved"] = {
            { "dive", dive },
            { "roll", roll },
            { "roll_center", point(mv.rollCenter) },
            { "right", movedSide(mv.side[kSideRight], out.springCompression[kSideRight]) },
            { "left", movedSide(mv.side[kSideLeft], out.springCompression[kSideLeft]) },
        };
    }
    json["display"] = display(out);
    json["faults"] = out.faults;
    std::cout << json.dump(2) << '\n';
    return kExitOk;
}

} // namespace tarvik::cli
