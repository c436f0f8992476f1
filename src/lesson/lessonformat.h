#ifndef VANDREL_LESSONFORMAT_H
#define VANDREL_LESSONFORMAT_H

// What marks a lesson file, shared by its writer and its reader. The version is
// "MAJOR.MINOR": a newer minor version only adds fields, which older programs
// skip; a newer major version changes what fields mean and is refused.
namespace LessonFormat {
inline constexpr char format[] = "format";
inline constexpr char version[] = "version";
inline constexpr char name[] = "vandrel-lesson";
inline constexpr int major = 1;
inline constexpr int minor = 1;
inline constexpr char currentVersion[] = "1.1";
// What a lesson that uses nothing newer is written as.
inline constexpr char firstVersion[] = "1.0";
// The plots version 1.0 knows.
inline constexpr const char *firstPlots[] = {"probability", "pressure", "density",
                                             "mean_free_path"};
} // namespace LessonFormat

#endif
