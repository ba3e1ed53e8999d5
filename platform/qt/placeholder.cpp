// Qt implementations of the platform interfaces are added here.
