/* OpenAL32.dll for the Windows zip when OpenAL Soft's source cannot be had:
 * the OpenAL calls that SFML's audio module and the game make, answered as
 * OpenAL Soft answers them on a machine without a sound device. No device
 * opens, so there is no context and the game runs silent. Replacing this
 * file with OpenAL Soft's OpenAL32.dll (same name, same calls) gives sound.
 *
 * Without a context OpenAL Soft ignores every al* call and alGetError says
 * AL_INVALID_OPERATION; the outputs are zeroed here so that callers never
 * read uninitialised memory. */
#define AL_API __declspec(dllexport)
#define ALC_API __declspec(dllexport)
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <string.h>

static void zero(void *out, size_t size)
{
    if (out)
        memset(out, 0, size);
}

/* ---- devices and contexts: none ---- */
ALCdevice *ALC_APIENTRY alcOpenDevice(const ALCchar *name) { (void)name; return NULL; }
ALCboolean ALC_APIENTRY alcCloseDevice(ALCdevice *device) { (void)device; return ALC_FALSE; }
ALCcontext *ALC_APIENTRY alcCreateContext(ALCdevice *device, const ALCint *attributes)
{
    (void)device; (void)attributes;
    return NULL;
}
ALCboolean ALC_APIENTRY alcMakeContextCurrent(ALCcontext *context) { return context == NULL; }
void ALC_APIENTRY alcDestroyContext(ALCcontext *context) { (void)context; }
ALCcontext *ALC_APIENTRY alcGetCurrentContext(void) { return NULL; }
ALCdevice *ALC_APIENTRY alcGetContextsDevice(ALCcontext *context) { (void)context; return NULL; }
ALCenum ALC_APIENTRY alcGetError(ALCdevice *device) { return device ? ALC_INVALID_DEVICE : ALC_NO_ERROR; }
ALCboolean ALC_APIENTRY alcIsExtensionPresent(ALCdevice *device, const ALCchar *name)
{
    (void)device; (void)name;
    return ALC_FALSE;
}
/* Device lists are empty (a list ends with two NULs); other strings are empty. */
const ALCchar *ALC_APIENTRY alcGetString(ALCdevice *device, ALCenum what)
{
    (void)device; (void)what;
    return "\0";
}
void ALC_APIENTRY alcGetIntegerv(ALCdevice *device, ALCenum what, ALCsizei size, ALCint *values)
{
    (void)device; (void)what;
    if (size > 0)
        zero(values, (size_t)size * sizeof *values);
}

/* ---- capture: no device either ---- */
ALCdevice *ALC_APIENTRY alcCaptureOpenDevice(const ALCchar *name, ALCuint frequency, ALCenum format,
                                             ALCsizei buffersize)
{
    (void)name; (void)frequency; (void)format; (void)buffersize;
    return NULL;
}
ALCboolean ALC_APIENTRY alcCaptureCloseDevice(ALCdevice *device) { (void)device; return ALC_FALSE; }
void ALC_APIENTRY alcCaptureStart(ALCdevice *device) { (void)device; }
void ALC_APIENTRY alcCaptureStop(ALCdevice *device) { (void)device; }
void ALC_APIENTRY alcCaptureSamples(ALCdevice *device, ALCvoid *buffer, ALCsizei samples)
{
    (void)device; (void)buffer; (void)samples;
}

/* ---- al*: no current context ---- */
ALenum AL_APIENTRY alGetError(void) { return AL_INVALID_OPERATION; }
ALboolean AL_APIENTRY alIsExtensionPresent(const ALchar *name) { (void)name; return AL_FALSE; }

/* The buffer formats that SFML asks for by name, with OpenAL Soft's values. */
ALenum AL_APIENTRY alGetEnumValue(const ALchar *name)
{
    static const struct { const char *name; ALenum value; } formats[] = {
        {"AL_FORMAT_MONO16", AL_FORMAT_MONO16},   {"AL_FORMAT_STEREO16", AL_FORMAT_STEREO16},
        {"AL_FORMAT_QUAD16", AL_FORMAT_QUAD16},   {"AL_FORMAT_51CHN16", AL_FORMAT_51CHN16},
        {"AL_FORMAT_61CHN16", AL_FORMAT_61CHN16}, {"AL_FORMAT_71CHN16", AL_FORMAT_71CHN16},
    };
    for (size_t i = 0; name && i < sizeof formats / sizeof formats[0]; ++i)
        if (strcmp(name, formats[i].name) == 0)
            return formats[i].value;
    return 0;
}

void AL_APIENTRY alGenSources(ALsizei n, ALuint *sources) { if (n > 0) zero(sources, (size_t)n * sizeof *sources); }
void AL_APIENTRY alDeleteSources(ALsizei n, const ALuint *sources) { (void)n; (void)sources; }
void AL_APIENTRY alGenBuffers(ALsizei n, ALuint *buffers) { if (n > 0) zero(buffers, (size_t)n * sizeof *buffers); }
void AL_APIENTRY alDeleteBuffers(ALsizei n, const ALuint *buffers) { (void)n; (void)buffers; }
void AL_APIENTRY alBufferData(ALuint buffer, ALenum format, const ALvoid *data, ALsizei size, ALsizei frequency)
{
    (void)buffer; (void)format; (void)data; (void)size; (void)frequency;
}
void AL_APIENTRY alGetBufferi(ALuint buffer, ALenum what, ALint *value) { (void)buffer; (void)what; zero(value, sizeof *value); }

void AL_APIENTRY alSourcef(ALuint source, ALenum what, ALfloat value) { (void)source; (void)what; (void)value; }
void AL_APIENTRY alSource3f(ALuint source, ALenum what, ALfloat x, ALfloat y, ALfloat z)
{
    (void)source; (void)what; (void)x; (void)y; (void)z;
}
void AL_APIENTRY alSourcei(ALuint source, ALenum what, ALint value) { (void)source; (void)what; (void)value; }
void AL_APIENTRY alGetSourcef(ALuint source, ALenum what, ALfloat *value) { (void)source; (void)what; zero(value, sizeof *value); }
void AL_APIENTRY alGetSource3f(ALuint source, ALenum what, ALfloat *x, ALfloat *y, ALfloat *z)
{
    (void)source; (void)what;
    zero(x, sizeof *x);
    zero(y, sizeof *y);
    zero(z, sizeof *z);
}
void AL_APIENTRY alGetSourcei(ALuint source, ALenum what, ALint *value) { (void)source; (void)what; zero(value, sizeof *value); }
void AL_APIENTRY alSourcePlay(ALuint source) { (void)source; }
void AL_APIENTRY alSourcePause(ALuint source) { (void)source; }
void AL_APIENTRY alSourceStop(ALuint source) { (void)source; }
void AL_APIENTRY alSourceQueueBuffers(ALuint source, ALsizei n, const ALuint *buffers)
{
    (void)source; (void)n; (void)buffers;
}
void AL_APIENTRY alSourceUnqueueBuffers(ALuint source, ALsizei n, ALuint *buffers)
{
    (void)source;
    if (n > 0)
        zero(buffers, (size_t)n * sizeof *buffers);
}

void AL_APIENTRY alListenerf(ALenum what, ALfloat value) { (void)what; (void)value; }
void AL_APIENTRY alListener3f(ALenum what, ALfloat x, ALfloat y, ALfloat z) { (void)what; (void)x; (void)y; (void)z; }
void AL_APIENTRY alListenerfv(ALenum what, const ALfloat *values) { (void)what; (void)values; }
