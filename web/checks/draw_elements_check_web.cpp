// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// One red triangle drawn from a client-side array by glDrawElements with
// three indices that reach past the first three vertices, on a white canvas:
// the case Emscripten 3.1.6's own glDrawElements gets wrong (it uploads only
// as many vertices as there are indices), for the render test to see that
// web/draw_elements.js mends it.
#include <GLES2/gl2.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

static const char *const vertexShader = "attribute vec2 p; void main() { gl_Position = vec4(p, 0.0, 1.0); }";
static const char *const fragmentShader =
    "precision mediump float; void main() { gl_FragColor = vec4(1.0, 0.0, 0.0, 1.0); }";

// Six vertices off the canvas, then the triangle over its middle.
static const GLfloat vertices[] = {-9, -9, -9, -8, -8, -9, -9, -9, -9, -8, -8, -9, -0.5f, -0.5f, 0.5f, -0.5f, 0, 0.5f};
static const GLushort indices[] = {6, 7, 8};

static GLuint shader(GLenum kind, const char *source)
{
    const GLuint id = glCreateShader(kind);
    glShaderSource(id, 1, &source, nullptr);
    glCompileShader(id);
    return id;
}

int main()
{
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.preserveDrawingBuffer = EM_TRUE; // read back after this task
    emscripten_webgl_make_context_current(emscripten_webgl_create_context("#canvas", &attributes));
    const GLuint program = glCreateProgram();
    glAttachShader(program, shader(GL_VERTEX_SHADER, vertexShader));
    glAttachShader(program, shader(GL_FRAGMENT_SHADER, fragmentShader));
    glBindAttribLocation(program, 0, "p");
    glLinkProgram(program);
    glUseProgram(program);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, vertices);
    glDrawElements(GL_TRIANGLES, 3, GL_UNSIGNED_SHORT, indices);
    emscripten_run_script("window.triangleDrawn = true;"); // the test reads the canvas from here on
    return 0;
}
