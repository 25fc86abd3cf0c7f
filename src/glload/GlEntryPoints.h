#pragma once
// The OpenGL 1.2 to 2.1 entry points that the loader resolves, as one list in six version
// groups, each in the order its entry points are queried. Expand it with
//   GL_GROUP(code, "version")        once before each group's entries
//   GL_ENTRY(result, name, (params)) once per entry point, with its GL header signature.
// The grouping is the program's own: glBlendColor and glBlendEquation sit in 1.4, and 1.2
// holds only the 3D-texture and range-drawing entry points.

#define GL_ENTRY_POINTS(GL_GROUP, GL_ENTRY) \
    GL_GROUP(0x1200, "1.2") \
    GL_ENTRY(void, glCopyTexSubImage3D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLint x, GLint y, GLsizei width, GLsizei height)) \
    GL_ENTRY(void, glDrawRangeElements, (GLenum mode, GLuint start, GLuint end, GLsizei count, GLenum type, const void *indices)) \
    GL_ENTRY(void, glTexImage3D, (GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height, GLsizei depth, GLint border, GLenum format, GLenum type, const void *pixels)) \
    GL_ENTRY(void, glTexSubImage3D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLsizei width, GLsizei height, GLsizei depth, GLenum format, GLenum type, const void *pixels)) \
    GL_GROUP(0x1300, "1.3") \
    GL_ENTRY(void, glActiveTexture, (GLenum texture)) \
    GL_ENTRY(void, glClientActiveTexture, (GLenum texture)) \
    GL_ENTRY(void, glCompressedTexImage1D, (GLenum target, GLint level, GLenum internalformat, GLsizei width, GLint border, GLsizei imageSize, const void *data)) \
    GL_ENTRY(void, glCompressedTexImage2D, (GLenum target, GLint level, GLenum internalformat, GLsizei width, GLsizei height, GLint border, GLsizei imageSize, const void *data)) \
    GL_ENTRY(void, glCompressedTexImage3D, (GLenum target, GLint level, GLenum internalformat, GLsizei width, GLsizei height, GLsizei depth, GLint border, GLsizei imageSize, const void *data)) \
    GL_ENTRY(void, glCompressedTexSubImage1D, (GLenum target, GLint level, GLint xoffset, GLsizei width, GLenum format, GLsizei imageSize, const void *data)) \
    GL_ENTRY(void, glCompressedTexSubImage2D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width, GLsizei height, GLenum format, GLsizei imageSize, const void *data)) \
    GL_ENTRY(void, glCompressedTexSubImage3D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLsizei width, GLsizei height, GLsizei depth, GLenum format, GLsizei imageSize, const void *data)) \
    GL_ENTRY(void, glGetCompressedTexImage, (GLenum target, GLint level, void *img)) \
    GL_ENTRY(void, glLoadTransposeMatrixd, (const GLdouble *m)) \
    GL_ENTRY(void, glLoadTransposeMatrixf, (const GLfloat *m)) \
    GL_ENTRY(void, glMultTransposeMatrixd, (const GLdouble *m)) \
    GL_ENTRY(void, glMultTransposeMatrixf, (const GLfloat *m)) \
    GL_ENTRY(void, glMultiTexCoord1d, (GLenum target, GLdouble s)) \
    GL_ENTRY(void, glMultiTexCoord1dv, (GLenum target, const GLdouble *v)) \
    GL_ENTRY(void, glMultiTexCoord1f, (GLenum target, GLfloat s)) \
    GL_ENTRY(void, glMultiTexCoord1fv, (GLenum target, const GLfloat *v)) \
    GL_ENTRY(void, glMultiTexCoord1i, (GLenum target, GLint s)) \
    GL_ENTRY(void, glMultiTexCoord1iv, (GLenum target, const GLint *v)) \
    GL_ENTRY(void, glMultiTexCoord1s, (GLenum target, GLshort s)) \
    GL_ENTRY(void, glMultiTexCoord1sv, (GLenum target, const GLshort *v)) \
    GL_ENTRY(void, glMultiTexCoord2d, (GLenum target, GLdouble s, GLdouble t)) \
    GL_ENTRY(void, glMultiTexCoord2dv, (GLenum target, const GLdouble *v)) \
    GL_ENTRY(void, glMultiTexCoord2f, (GLenum target, GLfloat s, GLfloat t)) \
    GL_ENTRY(void, glMultiTexCoord2fv, (GLenum target, const GLfloat *v)) \
    GL_ENTRY(void, glMultiTexCoord2i, (GLenum target, GLint s, GLint t)) \
    GL_ENTRY(void, glMultiTexCoord2iv, (GLenum target, const GLint *v)) \
    GL_ENTRY(void, glMultiTexCoord2s, (GLenum target, GLshort s, GLshort t)) \
    GL_ENTRY(void, glMultiTexCoord2sv, (GLenum target, const GLshort *v)) \
    GL_ENTRY(void, glMultiTexCoord3d, (GLenum target, GLdouble s, GLdouble t, GLdouble r)) \
    GL_ENTRY(void, glMultiTexCoord3dv, (GLenum target, const GLdouble *v)) \
    GL_ENTRY(void, glMultiTexCoord3f, (GLenum target, GLfloat s, GLfloat t, GLfloat r)) \
    GL_ENTRY(void, glMultiTexCoord3fv, (GLenum target, const GLfloat *v)) \
    GL_ENTRY(void, glMultiTexCoord3i, (GLenum target, GLint s, GLint t, GLint r)) \
    GL_ENTRY(void, glMultiTexCoord3iv, (GLenum target, const GLint *v)) \
    GL_ENTRY(void, glMultiTexCoord3s, (GLenum target, GLshort s, GLshort t, GLshort r)) \
    GL_ENTRY(void, glMultiTexCoord3sv, (GLenum target, const GLshort *v)) \
    GL_ENTRY(void, glMultiTexCoord4d, (GLenum target, GLdouble s, GLdouble t, GLdouble r, GLdouble q)) \
    GL_ENTRY(void, glMultiTexCoord4dv, (GLenum target, const GLdouble *v)) \
    GL_ENTRY(void, glMultiTexCoord4f, (GLenum target, GLfloat s, GLfloat t, GLfloat r, GLfloat q)) \
    GL_ENTRY(void, glMultiTexCoord4fv, (GLenum target, const GLfloat *v)) \
    GL_ENTRY(void, glMultiTexCoord4i, (GLenum target, GLint s, GLint t, GLint r, GLint q)) \
    GL_ENTRY(void, glMultiTexCoord4iv, (GLenum target, const GLint *v)) \
    GL_ENTRY(void, glMultiTexCoord4s, (GLenum target, GLshort s, GLshort t, GLshort r, GLshort q)) \
    GL_ENTRY(void, glMultiTexCoord4sv, (GLenum target, const GLshort *v)) \
    GL_ENTRY(void, glSampleCoverage, (GLfloat value, GLboolean invert)) \
    GL_GROUP(0x1400, "1.4") \
    GL_ENTRY(void, glBlendColor, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)) \
    GL_ENTRY(void, glBlendEquation, (GLenum mode)) \
    GL_ENTRY(void, glBlendFuncSeparate, (GLenum sfactorRGB, GLenum dfactorRGB, GLenum sfactorAlpha, GLenum dfactorAlpha)) \
    GL_ENTRY(void, glFogCoordPointer, (GLenum type, GLsizei stride, const void *pointer)) \
    GL_ENTRY(void, glFogCoordd, (GLdouble coord)) \
    GL_ENTRY(void, glFogCoorddv, (const GLdouble *coord)) \
    GL_ENTRY(void, glFogCoordf, (GLfloat coord)) \
    GL_ENTRY(void, glFogCoordfv, (const GLfloat *coord)) \
    GL_ENTRY(void, glMultiDrawArrays, (GLenum mode, const GLint *first, const GLsizei *count, GLsizei drawcount)) \
    GL_ENTRY(void, glMultiDrawElements, (GLenum mode, const GLsizei *count, GLenum type, const void *const*indices, GLsizei drawcount)) \
    GL_ENTRY(void, glPointParameterf, (GLenum pname, GLfloat param)) \
    GL_ENTRY(void, glPointParameterfv, (GLenum pname, const GLfloat *params)) \
    GL_ENTRY(void, glPointParameteri, (GLenum pname, GLint param)) \
    GL_ENTRY(void, glPointParameteriv, (GLenum pname, const GLint *params)) \
    GL_ENTRY(void, glSecondaryColor3b, (GLbyte red, GLbyte green, GLbyte blue)) \
    GL_ENTRY(void, glSecondaryColor3bv, (const GLbyte *v)) \
    GL_ENTRY(void, glSecondaryColor3d, (GLdouble red, GLdouble green, GLdouble blue)) \
    GL_ENTRY(void, glSecondaryColor3dv, (const GLdouble *v)) \
    GL_ENTRY(void, glSecondaryColor3f, (GLfloat red, GLfloat green, GLfloat blue)) \
    GL_ENTRY(void, glSecondaryColor3fv, (const GLfloat *v)) \
    GL_ENTRY(void, glSecondaryColor3i, (GLint red, GLint green, GLint blue)) \
    GL_ENTRY(void, glSecondaryColor3iv, (const GLint *v)) \
    GL_ENTRY(void, glSecondaryColor3s, (GLshort red, GLshort green, GLshort blue)) \
    GL_ENTRY(void, glSecondaryColor3sv, (const GLshort *v)) \
    GL_ENTRY(void, glSecondaryColor3ub, (GLubyte red, GLubyte green, GLubyte blue)) \
    GL_ENTRY(void, glSecondaryColor3ubv, (const GLubyte *v)) \
    GL_ENTRY(void, glSecondaryColor3ui, (GLuint red, GLuint green, GLuint blue)) \
    GL_ENTRY(void, glSecondaryColor3uiv, (const GLuint *v)) \
    GL_ENTRY(void, glSecondaryColor3us, (GLushort red, GLushort green, GLushort blue)) \
    GL_ENTRY(void, glSecondaryColor3usv, (const GLushort *v)) \
    GL_ENTRY(void, glSecondaryColorPointer, (GLint size, GLenum type, GLsizei stride, const void *pointer)) \
    GL_ENTRY(void, glWindowPos2d, (GLdouble x, GLdouble y)) \
    GL_ENTRY(void, glWindowPos2dv, (const GLdouble *v)) \
    GL_ENTRY(void, glWindowPos2f, (GLfloat x, GLfloat y)) \
    GL_ENTRY(void, glWindowPos2fv, (const GLfloat *v)) \
    GL_ENTRY(void, glWindowPos2i, (GLint x, GLint y)) \
    GL_ENTRY(void, glWindowPos2iv, (const GLint *v)) \
    GL_ENTRY(void, glWindowPos2s, (GLshort x, GLshort y)) \
    GL_ENTRY(void, glWindowPos2sv, (const GLshort *v)) \
    GL_ENTRY(void, glWindowPos3d, (GLdouble x, GLdouble y, GLdouble z)) \
    GL_ENTRY(void, glWindowPos3dv, (const GLdouble *v)) \
    GL_ENTRY(void, glWindowPos3f, (GLfloat x, GLfloat y, GLfloat z)) \
    GL_ENTRY(void, glWindowPos3fv, (const GLfloat *v)) \
    GL_ENTRY(void, glWindowPos3i, (GLint x, GLint y, GLint z)) \
    GL_ENTRY(void, glWindowPos3iv, (const GLint *v)) \
    GL_ENTRY(void, glWindowPos3s, (GLshort x, GLshort y, GLshort z)) \
    GL_ENTRY(void, glWindowPos3sv, (const GLshort *v)) \
    GL_GROUP(0x1500, "1.5") \
    GL_ENTRY(void, glBeginQuery, (GLenum target, GLuint id)) \
    GL_ENTRY(void, glBindBuffer, (GLenum target, GLuint buffer)) \
    GL_ENTRY(void, glBufferData, (GLenum target, GLsizeiptr size, const void *data, GLenum usage)) \
    GL_ENTRY(void, glBufferSubData, (GLenum target, GLintptr offset, GLsizeiptr size, const void *data)) \
    GL_ENTRY(void, glDeleteBuffers, (GLsizei n, const GLuint *buffers)) \
    GL_ENTRY(void, glDeleteQueries, (GLsizei n, const GLuint *ids)) \
    GL_ENTRY(void, glEndQuery, (GLenum target)) \
    GL_ENTRY(void, glGenBuffers, (GLsizei n, GLuint *buffers)) \
    GL_ENTRY(void, glGenQueries, (GLsizei n, GLuint *ids)) \
    GL_ENTRY(void, glGetBufferParameteriv, (GLenum target, GLenum pname, GLint *params)) \
    GL_ENTRY(void, glGetBufferPointerv, (GLenum target, GLenum pname, void **params)) \
    GL_ENTRY(void, glGetBufferSubData, (GLenum target, GLintptr offset, GLsizeiptr size, void *data)) \
    GL_ENTRY(void, glGetQueryObjectiv, (GLuint id, GLenum pname, GLint *params)) \
    GL_ENTRY(void, glGetQueryObjectuiv, (GLuint id, GLenum pname, GLuint *params)) \
    GL_ENTRY(void, glGetQueryiv, (GLenum target, GLenum pname, GLint *params)) \
    GL_ENTRY(GLboolean, glIsBuffer, (GLuint buffer)) \
    GL_ENTRY(GLboolean, glIsQuery, (GLuint id)) \
    GL_ENTRY(void *, glMapBuffer, (GLenum target, GLenum access)) \
    GL_ENTRY(GLboolean, glUnmapBuffer, (GLenum target)) \
    GL_GROUP(0x2000, "2.0") \
    GL_ENTRY(void, glAttachShader, (GLuint program, GLuint shader)) \
    GL_ENTRY(void, glBindAttribLocation, (GLuint program, GLuint index, const GLchar *name)) \
    GL_ENTRY(void, glBlendEquationSeparate, (GLenum modeRGB, GLenum modeAlpha)) \
    GL_ENTRY(void, glCompileShader, (GLuint shader)) \
    GL_ENTRY(GLuint, glCreateProgram, (void)) \
    GL_ENTRY(GLuint, glCreateShader, (GLenum type)) \
    GL_ENTRY(void, glDeleteProgram, (GLuint program)) \
    GL_ENTRY(void, glDeleteShader, (GLuint shader)) \
    GL_ENTRY(void, glDetachShader, (GLuint program, GLuint shader)) \
    GL_ENTRY(void, glDisableVertexAttribArray, (GLuint index)) \
    GL_ENTRY(void, glDrawBuffers, (GLsizei n, const GLenum *bufs)) \
    GL_ENTRY(void, glEnableVertexAttribArray, (GLuint index)) \
    GL_ENTRY(void, glGetActiveAttrib, (GLuint program, GLuint index, GLsizei bufSize, GLsizei *length, GLint *size, GLenum *type, GLchar *name)) \
    GL_ENTRY(void, glGetActiveUniform, (GLuint program, GLuint index, GLsizei bufSize, GLsizei *length, GLint *size, GLenum *type, GLchar *name)) \
    GL_ENTRY(void, glGetAttachedShaders, (GLuint program, GLsizei maxCount, GLsizei *count, GLuint *shaders)) \
    GL_ENTRY(GLint, glGetAttribLocation, (GLuint program, const GLchar *name)) \
    GL_ENTRY(void, glGetProgramInfoLog, (GLuint program, GLsizei bufSize, GLsizei *length, GLchar *infoLog)) \
    GL_ENTRY(void, glGetProgramiv, (GLuint program, GLenum pname, GLint *params)) \
    GL_ENTRY(void, glGetShaderInfoLog, (GLuint shader, GLsizei bufSize, GLsizei *length, GLchar *infoLog)) \
    GL_ENTRY(void, glGetShaderSource, (GLuint shader, GLsizei bufSize, GLsizei *length, GLchar *source)) \
    GL_ENTRY(void, glGetShaderiv, (GLuint shader, GLenum pname, GLint *params)) \
    GL_ENTRY(GLint, glGetUniformLocation, (GLuint program, const GLchar *name)) \
    GL_ENTRY(void, glGetUniformfv, (GLuint program, GLint location, GLfloat *params)) \
    GL_ENTRY(void, glGetUniformiv, (GLuint program, GLint location, GLint *params)) \
    GL_ENTRY(void, glGetVertexAttribPointerv, (GLuint index, GLenum pname, void **pointer)) \
    GL_ENTRY(void, glGetVertexAttribdv, (GLuint index, GLenum pname, GLdouble *params)) \
    GL_ENTRY(void, glGetVertexAttribfv, (GLuint index, GLenum pname, GLfloat *params)) \
    GL_ENTRY(void, glGetVertexAttribiv, (GLuint index, GLenum pname, GLint *params)) \
    GL_ENTRY(GLboolean, glIsProgram, (GLuint program)) \
    GL_ENTRY(GLboolean, glIsShader, (GLuint shader)) \
    GL_ENTRY(void, glLinkProgram, (GLuint program)) \
    GL_ENTRY(void, glShaderSource, (GLuint shader, GLsizei count, const GLchar *const*string, const GLint *length)) \
    GL_ENTRY(void, glStencilFuncSeparate, (GLenum face, GLenum func, GLint ref, GLuint mask)) \
    GL_ENTRY(void, glStencilMaskSeparate, (GLenum face, GLuint mask)) \
    GL_ENTRY(void, glStencilOpSeparate, (GLenum face, GLenum sfail, GLenum dpfail, GLenum dppass)) \
    GL_ENTRY(void, glUniform1f, (GLint location, GLfloat v0)) \
    GL_ENTRY(void, glUniform1fv, (GLint location, GLsizei count, const GLfloat *value)) \
    GL_ENTRY(void, glUniform1i, (GLint location, GLint v0)) \
    GL_ENTRY(void, glUniform1iv, (GLint location, GLsizei count, const GLint *value)) \
    GL_ENTRY(void, glUniform2f, (GLint location, GLfloat v0, GLfloat v1)) \
    GL_ENTRY(void, glUniform2fv, (GLint location, GLsizei count, const GLfloat *value)) \
    GL_ENTRY(void, glUniform2i, (GLint location, GLint v0, GLint v1)) \
    GL_ENTRY(void, glUniform2iv, (GLint location, GLsizei count, const GLint *value)) \
    GL_ENTRY(void, glUniform3f, (GLint location, GLfloat v0, GLfloat v1, GLfloat v2)) \
    GL_ENTRY(void, glUniform3fv, (GLint location, GLsizei count, const GLfloat *value)) \
    GL_ENTRY(void, glUniform3i, (GLint location, GLint v0, GLint v1, GLint v2)) \
    GL_ENTRY(void, glUniform3iv, (GLint location, GLsizei count, const GLint *value)) \
    GL_ENTRY(void, glUniform4f, (GLint location, GLfloat v0, GLfloat v1, GLfloat v2, GLfloat v3)) \
    GL_ENTRY(void, glUniform4fv, (GLint location, GLsizei count, const GLfloat *value)) \
    GL_ENTRY(void, glUniform4i, (GLint location, GLint v0, GLint v1, GLint v2, GLint v3)) \
    GL_ENTRY(void, glUniform4iv, (GLint location, GLsizei count, const GLint *value)) \
    GL_ENTRY(void, glUniformMatrix2fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUniformMatrix3fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUniformMatrix4fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUseProgram, (GLuint program)) \
    GL_ENTRY(void, glValidateProgram, (GLuint program)) \
    GL_ENTRY(void, glVertexAttrib1d, (GLuint index, GLdouble x)) \
    GL_ENTRY(void, glVertexAttrib1dv, (GLuint index, const GLdouble *v)) \
    GL_ENTRY(void, glVertexAttrib1f, (GLuint index, GLfloat x)) \
    GL_ENTRY(void, glVertexAttrib1fv, (GLuint index, const GLfloat *v)) \
    GL_ENTRY(void, glVertexAttrib1s, (GLuint index, GLshort x)) \
    GL_ENTRY(void, glVertexAttrib1sv, (GLuint index, const GLshort *v)) \
    GL_ENTRY(void, glVertexAttrib2d, (GLuint index, GLdouble x, GLdouble y)) \
    GL_ENTRY(void, glVertexAttrib2dv, (GLuint index, const GLdouble *v)) \
    GL_ENTRY(void, glVertexAttrib2f, (GLuint index, GLfloat x, GLfloat y)) \
    GL_ENTRY(void, glVertexAttrib2fv, (GLuint index, const GLfloat *v)) \
    GL_ENTRY(void, glVertexAttrib2s, (GLuint index, GLshort x, GLshort y)) \
    GL_ENTRY(void, glVertexAttrib2sv, (GLuint index, const GLshort *v)) \
    GL_ENTRY(void, glVertexAttrib3d, (GLuint index, GLdouble x, GLdouble y, GLdouble z)) \
    GL_ENTRY(void, glVertexAttrib3dv, (GLuint index, const GLdouble *v)) \
    GL_ENTRY(void, glVertexAttrib3f, (GLuint index, GLfloat x, GLfloat y, GLfloat z)) \
    GL_ENTRY(void, glVertexAttrib3fv, (GLuint index, const GLfloat *v)) \
    GL_ENTRY(void, glVertexAttrib3s, (GLuint index, GLshort x, GLshort y, GLshort z)) \
    GL_ENTRY(void, glVertexAttrib3sv, (GLuint index, const GLshort *v)) \
    GL_ENTRY(void, glVertexAttrib4Nbv, (GLuint index, const GLbyte *v)) \
    GL_ENTRY(void, glVertexAttrib4Niv, (GLuint index, const GLint *v)) \
    GL_ENTRY(void, glVertexAttrib4Nsv, (GLuint index, const GLshort *v)) \
    GL_ENTRY(void, glVertexAttrib4Nub, (GLuint index, GLubyte x, GLubyte y, GLubyte z, GLubyte w)) \
    GL_ENTRY(void, glVertexAttrib4Nubv, (GLuint index, const GLubyte *v)) \
    GL_ENTRY(void, glVertexAttrib4Nuiv, (GLuint index, const GLuint *v)) \
    GL_ENTRY(void, glVertexAttrib4Nusv, (GLuint index, const GLushort *v)) \
    GL_ENTRY(void, glVertexAttrib4bv, (GLuint index, const GLbyte *v)) \
    GL_ENTRY(void, glVertexAttrib4d, (GLuint index, GLdouble x, GLdouble y, GLdouble z, GLdouble w)) \
    GL_ENTRY(void, glVertexAttrib4dv, (GLuint index, const GLdouble *v)) \
    GL_ENTRY(void, glVertexAttrib4f, (GLuint index, GLfloat x, GLfloat y, GLfloat z, GLfloat w)) \
    GL_ENTRY(void, glVertexAttrib4fv, (GLuint index, const GLfloat *v)) \
    GL_ENTRY(void, glVertexAttrib4iv, (GLuint index, const GLint *v)) \
    GL_ENTRY(void, glVertexAttrib4s, (GLuint index, GLshort x, GLshort y, GLshort z, GLshort w)) \
    GL_ENTRY(void, glVertexAttrib4sv, (GLuint index, const GLshort *v)) \
    GL_ENTRY(void, glVertexAttrib4ubv, (GLuint index, const GLubyte *v)) \
    GL_ENTRY(void, glVertexAttrib4uiv, (GLuint index, const GLuint *v)) \
    GL_ENTRY(void, glVertexAttrib4usv, (GLuint index, const GLushort *v)) \
    GL_ENTRY(void, glVertexAttribPointer, (GLuint index, GLint size, GLenum type, GLboolean normalized, GLsizei stride, const void *pointer)) \
    GL_GROUP(0x2100, "2.1") \
    GL_ENTRY(void, glUniformMatrix2x3fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUniformMatrix2x4fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUniformMatrix3x2fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUniformMatrix3x4fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUniformMatrix4x2fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \
    GL_ENTRY(void, glUniformMatrix4x3fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat *value)) \

