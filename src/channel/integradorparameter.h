#pragma once

// One parameter of an Integrador request after numeroSessao.
struct IntegradorParameter {
    enum class Type { Int, String };
    enum class Form {
        Plain, // the argument's value
        CData, // the argument's value inside a CDATA section
        FixedDocumento, // always "01"; the routine has no argument for it
    };

    const char *name = nullptr;
    Type type = Type::String;
    Form form = Form::Plain;
    int argument = -1; // index into the command's arguments; -1 for a fixed value
};
