#ifndef COURSE_H
#define COURSE_H

#include <QByteArray>
#include <QStringList>

// The shipped challenge file, made from the statements and the task oracles in coursedata.cpp.
// The same seed always gives the same bytes, so the committed file can be checked against it.
struct CourseDocument
{
    QByteArray xml;
    // Every place where a case broke the rules of its task or of the file format; empty when
    // the document is fit to ship.
    QStringList problems;
};

CourseDocument generateCourse();

#endif // COURSE_H
