#pragma once

class ResourceState;

// Something whose settings outlive it in a stored state. Objects are never deleted through
// this interface, hence the protected destructor.
class StoredStateInterface
{
public:
    virtual ResourceState storeState() = 0;
    virtual void restoreState(const ResourceState &state) = 0;

protected:
    ~StoredStateInterface() = default;
};
